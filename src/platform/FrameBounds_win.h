#pragma once
// The frame of a window as the user sees it, as the desktop compositor reports it.
#include <windows.h>

#include <optional>

namespace vr {

// DWMWA_EXTENDED_FRAME_BOUNDS: the window's rectangle without the invisible resize borders of
// Windows 10 and later. Nothing where the compositor cannot be asked.
std::optional<RECT> VisibleFrameBounds(HWND window);

}  // namespace vr
