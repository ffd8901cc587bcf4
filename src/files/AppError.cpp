#include "files/AppError.h"

namespace vr {

std::string OpenErrorText(const std::string& expandedPath, const std::string& systemText) {
    // Text inside the program is UTF-8.
    return "Datei " + expandedPath +
           " kann nicht ge\xC3\xB6"
           "ffnet werden. " +
           systemText;
}

std::string CreateErrorText(const std::string& expandedPath, const std::string& systemText) {
    return "Datei " + expandedPath + " kann nicht erstellt werden. " + systemText;
}

}  // namespace vr
