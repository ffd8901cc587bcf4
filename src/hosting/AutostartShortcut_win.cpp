#include "hosting/AutostartShortcut_win.h"

#include <shlobj.h>

#include "hosting/WallpaperAutostart.h"
#include "platform/FileSystem_win.h"
#include "platform/Shell_win.h"

namespace vr {

void AddToAutostart(HWND owner, const std::string& wallpaperListFile) {
    const std::string startupFolder = GetSpecialFolder(owner, CSIDL_STARTUP);
    if (startupFolder.empty()) return;
    CreateShortcut(wallpaperListFile, AutostartLinkPath(startupFolder, wallpaperListFile),
                   kAutostartDescription, "", ExecutablePath(), 0);
}

bool HasAutostart(HWND owner, const std::string& wallpaperListFile) {
    const std::string startupFolder = GetSpecialFolder(owner, CSIDL_STARTUP);
    return !startupFolder.empty() &&
           WinFileSystem().FileExists(AutostartLinkPath(startupFolder, wallpaperListFile));
}

}  // namespace vr
