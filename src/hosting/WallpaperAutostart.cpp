#include "hosting/WallpaperAutostart.h"

#include "files/TypeKey.h"

namespace vr {

std::string AutostartLinkName(std::string_view wallpaperListFile) {
    return std::string(kAutostartDescription) + " - (" + std::string(FileNamePart(wallpaperListFile)) +
           ").lnk";
}

std::string AutostartLinkPath(std::string_view startupFolder, std::string_view wallpaperListFile) {
    std::string path(startupFolder);
    if (!path.empty() && path.back() != '\\') path += '\\';
    return path + AutostartLinkName(wallpaperListFile);
}

}  // namespace vr
