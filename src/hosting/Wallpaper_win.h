#pragma once
// Desktop wallpaper mode on the Win32 side: finding the desktop's icon view, embedding the host
// window in it, and handing a wallpaper playlist to the shell.
#include <windows.h>

#include <optional>
#include <string>

namespace vr {

// The desktop's icon view, "SHELLDLL_DefView": inside the "Progman" child of the desktop window,
// or where "Progman" holds none, inside the first top-level "WorkerW" window that holds one; null
// when there is none. Looked up afresh by every caller, never kept: the shell may recreate it or
// move it.
HWND FindDesktopIconView();
// Window rectangle of "Progman"; nothing when there is no such window.
std::optional<RECT> ProgramManagerRect();

// Style and parent for the host window's native window.
struct HostCreation {
    DWORD style;
    HWND parent;
};
// In wallpaper mode with an icon view present: exactly WS_CHILD | WS_VISIBLE under the icon
// view, so the window is part of the desktop from its creation on and its left and top count
// from the icon view's client area. Otherwise the normal values unchanged.
HostCreation WallpaperHostCreation(DWORD normalStyle, HWND normalParent, bool wallpaperMode);

// "Run...": starts a new instance with the playlist, through the file association where it names
// this program, otherwise by starting this program with the file.
void OpenWallpaperFile(const std::string& path);

}  // namespace vr
