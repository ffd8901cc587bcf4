#pragma once
// The X display's real pointer, moved and clicked with xdotool, for what only real input does:
// the system's own move loop on a caption drag, clicks on areas that are not controls.
#include <windows.h>

#include <string>

namespace e2e {

// Runs xdotool with these arguments on the display Wine draws on, and waits for it.
void Xdotool(const std::wstring& arguments);
// A left click of the pointer at a point of the window's client area.
void ClickInClient(HWND window, POINT point);
// The steps of a held click or a drag, each at a point of the window's client area: the pointer
// moved there and the left button pressed, moved with it held, or released.
void PressInClient(HWND window, POINT point);
void MoveInClient(HWND window, POINT point);
void ReleaseInClient(HWND window, POINT point);

}  // namespace e2e
