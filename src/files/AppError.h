#pragma once
// An error that abandons the handler it is raised in. Window procedures catch it and show its
// text in the program's standard error box; the program then carries on.
#include <stdexcept>
#include <string>

namespace vr {

class AppError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "Datei <path> kann nicht geöffnet werden. <system text>" in the ANSI code page, as the file
// layer reports a file it cannot open for reading.
std::string OpenErrorText(const std::string& expandedPath, const std::string& systemText);
// The counterpart for a file that cannot be created or written.
std::string CreateErrorText(const std::string& expandedPath, const std::string& systemText);

}  // namespace vr
