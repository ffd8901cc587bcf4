#include "files/AppError.h"

namespace vr {

std::string OpenErrorText(const std::string& expandedPath, const std::string& systemText) {
    // "\xF6" is o-umlaut in code page 1252; the program speaks ANSI throughout.
    return "Datei " + expandedPath + " kann nicht ge\xF6" "ffnet werden. " + systemText;
}

std::string CreateErrorText(const std::string& expandedPath, const std::string& systemText) {
    return "Datei " + expandedPath + " kann nicht erstellt werden. " + systemText;
}

}  // namespace vr
