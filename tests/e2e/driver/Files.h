#pragma once
// Files the program wrote, and files a scenario prepares for it.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace e2e {

bool FileExists(const std::wstring& path);  // a file, not a folder
// The file's bytes; empty when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::wstring& path);
// Lines without their CR LF, CR or LF endings.
std::vector<std::string> SplitLines(std::string_view bytes);
// The file's lines; empty when it cannot be read.
std::vector<std::string> ReadLines(const std::wstring& path);
// Writes the bytes exactly (throws when the file cannot be written).
void WriteFileBytes(const std::wstring& path, std::string_view bytes);
// Sets the file's time of last change `hours` into the past (throws when it cannot).
void AgeFile(const std::wstring& path, int hours);

}  // namespace e2e
