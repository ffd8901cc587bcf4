#pragma once
// Carrying the host and playlist windows along with a dragged player bar: which ones go is
// decided once when the move starts; each new position of the bar then gives their places.
#include <optional>

#include "docking/DockGeometry.h"
#include "docking/DockingState.h"

namespace vr {

// The state for a move of the bar that starts now. A window is carried when it is docked to the
// bar, or docked to the other window while that one is docked to the bar; its offsets are
// always measured from the bar. Windows that do not exist are passed as empty.
DockingState DecideCarry(const DockRect& playerBar, const std::optional<DockRect>& host,
                         const std::optional<DockRect>& playlist);

// Where the carried windows go, in the order they are placed: the host window first.
struct CarryTargets {
    std::optional<DockPoint> host;
    std::optional<DockPoint> playlist;
    bool operator==(const CarryTargets&) const = default;
};

// The places for the bar's top-left corner `bar`; nothing is carried in wallpaper mode.
CarryTargets CarryTargetsFor(DockPoint bar, const DockingState& state, bool wallpaperMode);

}  // namespace vr
