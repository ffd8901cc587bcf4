#include "hosting/Wallpaper_win.h"

#include <shellapi.h>

#include "hosting/WallpaperRun.h"
#include "platform/Application_win.h"
#include "platform/LateBound_win.h"
#include "platform/Shell_win.h"
#include "platform/Unicode_win.h"

namespace vr {

namespace {

HWND FindProgramManager() { return FindWindowExA(GetDesktopWindow(), nullptr, "Progman", nullptr); }

HWND IconViewIn(HWND window) {
    return window ? FindWindowExA(window, nullptr, "SHELLDLL_DefView", nullptr) : nullptr;
}

// Once a program has asked "Progman" to draw the wallpaper on a layer of its own (its
// undocumented message 0x052C, which live-wallpaper programs and the wallpaper slideshow send),
// Windows 10 and 11 before 24H2 move the icon view into a top-level "WorkerW" window. The shell
// keeps several of those; the one holding the icon view is the desktop.
HWND IconViewInWorkerW() {
    for (HWND worker = FindWindowExA(GetDesktopWindow(), nullptr, "WorkerW", nullptr); worker;
         worker = FindWindowExA(GetDesktopWindow(), worker, "WorkerW", nullptr)) {
        if (HWND iconView = IconViewIn(worker)) return iconView;
    }
    return nullptr;
}

}  // namespace

HWND FindDesktopIconView() {
    if (HWND iconView = IconViewIn(FindProgramManager())) return iconView;
    return IconViewInWorkerW();
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

namespace {

// The program the system opens the file with; nothing where it has none.
std::optional<std::string> AssociatedProgram(const std::wstring& file) {
    wchar_t program[MAX_PATH] = {};
    const auto found = reinterpret_cast<INT_PTR>(VR_LATE_BOUND(Shell, FindExecutableW)(file.c_str(), nullptr, program));
    if (found <= 32) return std::nullopt;
    return Utf8(program);
}

}  // namespace

void OpenWallpaperFile(const std::string& path) {
    const std::wstring file = Wide(path);
    const std::string own = ExecutablePath();
    const auto open = VR_LATE_BOUND(Shell, ShellExecuteW);
    if (RoadForWallpaperRun(AssociatedProgram(file), own) == WallpaperRunRoad::Association)
        open(Application::Handle(), L"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    else
        open(Application::Handle(), L"open", Wide(own).c_str(), Wide(WallpaperRunParameters(path)).c_str(), nullptr,
             SW_SHOWNORMAL);
}

}  // namespace vr
