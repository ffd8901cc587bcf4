#pragma once
// Bringing a top-level window that lies on no monitor back onto the nearest one.
#include <windows.h>

namespace vr {

// A window that overlaps a monitor is left exactly where it is.
void BringOnScreen(HWND window);

}  // namespace vr
