#include "hosting/Wallpaper_win.h"

#include <shellapi.h>

#include "platform/Application_win.h"
#include "platform/Unicode_win.h"

namespace vr {

namespace {

HWND FindProgramManager() { return FindWindowExA(GetDesktopWindow(), nullptr, "Progman", nullptr); }

}  // namespace

HWND FindDesktopIconView() {
    HWND programManager = FindProgramManager();
    if (!programManager) return nullptr;
    return FindWindowExA(programManager, nullptr, "SHELLDLL_DefView", nullptr);
}

std::optional<RECT> ProgramManagerRect() {
    HWND programManager = FindProgramManager();
    RECT rect{};
    if (!programManager || !GetWindowRect(programManager, &rect)) return std::nullopt;
    return rect;
}

HostCreation WallpaperHostCreation(DWORD normalStyle, HWND normalParent, bool wallpaperMode) {
    if (wallpaperMode) {
        if (HWND iconView = FindDesktopIconView()) return {WS_CHILD | WS_VISIBLE, iconView};
    }
    return {normalStyle, normalParent};
}

void OpenWallpaperFile(const std::string& path) {
    ShellExecuteW(Application::Handle(), L"open", Wide(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace vr
