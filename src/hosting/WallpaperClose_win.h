#pragma once
// "Close" of the playlist window's wallpaper group.
#include <windows.h>

namespace vr {

// Sends WM_CLOSE to every embedded host window of another process, one every 300 ms, with
// closeButton disabled while each is closed. Windows of this process are left alone, and a window
// that survives its WM_CLOSE is not asked again.
void CloseEmbeddedPlayers(HWND closeButton);

}  // namespace vr
