#pragma once
// The DPI a window is shown at, and the program's font at that DPI.
#include <windows.h>

namespace vr {

// The window's own DPI where the system knows one per window (Windows 10 1607 and later),
// otherwise the screen's; a null window asks for the screen's.
int WindowDpi(HWND window);

}  // namespace vr
