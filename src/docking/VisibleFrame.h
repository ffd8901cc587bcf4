#pragma once
// Windows 10 and later count invisible resize borders (about 7 pixels left, right and bottom)
// into a sizeable window's rectangle. Snapping, carrying and the wallpaper placement judge the
// frame the user sees; positions asked of the system still mean the whole rectangle, so the
// borders are added back there. With classic frames, and on Wine, the two are the same and every
// border is 0.
#include "docking/DockGeometry.h"

namespace vr {

// The invisible border on each side of a window's rectangle.
struct FrameInsets {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool operator==(const FrameInsets&) const = default;
};

// The widest border taken for an invisible one. A program not aware of the display's scaling
// gets its window rectangle in scaled pixels but the visible frame in physical ones; such a frame
// does not lie inside the rectangle by a few pixels on every side.
inline constexpr std::int32_t kMaxInvisibleBorder = 32;

// The borders between a window's rectangle and the visible frame the system reports for it; all
// 0 when the frame is no frame of this rectangle in the same pixels.
FrameInsets InsetsBetween(const DockRect& window, const DockRect& frame);

// A window as the system places it, with its invisible borders.
struct FramedWindow {
    DockRect window;
    FrameInsets insets;

    // What the user sees of it.
    DockRect Frame() const;
    // Where the window's rectangle goes so that its frame's top-left corner lands on `frameCorner`.
    DockPoint WindowCornerFor(DockPoint frameCorner) const;
};

}  // namespace vr
