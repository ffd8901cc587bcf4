#pragma once
// Desktop wallpaper mode on the Win32 side: finding the desktop's icon view, embedding the host
// window in it, ending the embedded players of other instances, and the shell calls of the
// playlist window's wallpaper group.
#include <windows.h>

#include <optional>
#include <string>

namespace vr {

// Native class of the host window; other instances find embedded players by it.
inline constexpr char kHostWindowClass[] = "TfrmSVDActive";

// "SHELLDLL_DefView" inside the "Progman" child of the desktop window; null when either is
// missing. Looked up afresh by every caller, never kept: the shell may recreate it.
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

// "Close": sends WM_CLOSE to every embedded host window of another process, one every 300 ms,
// with closeButton disabled while each is closed. Windows of this process are left alone, and a
// window that survives its WM_CLOSE is not asked again.
void CloseEmbeddedPlayers(HWND closeButton);

// "Run...": hands the playlist to the shell, whose association starts a new instance with it.
void OpenWallpaperFile(const std::string& path);

// Path of a shell folder (a CSIDL_* id); empty when it cannot be resolved. Without the shell's
// allocator, says so in a message box owned by owner.
std::string GetSpecialFolder(HWND owner, int csidl);
// Writes a shell link. False when the link object or its file interface cannot be had; true once
// the save was asked for, whatever it gave. COM must be initialised on the calling thread.
bool CreateShortcut(const std::string& target, const std::string& linkFile,
                    const std::string& description, const std::string& arguments,
                    const std::string& iconFile, int iconIndex);
// "Add to autostart folder!": a shortcut to the playlist in the user's Startup folder, replacing
// an earlier one for the same file. Reports nothing.
void AddToAutostart(HWND owner, const std::string& wallpaperListFile);

}  // namespace vr
