#pragma once
// The snapping rules: a proposed position that brings an edge of a window within the snap
// distance of a screen edge or of an edge of another window is pulled onto that edge.
#include <cstdint>

#include "docking/DockGeometry.h"

namespace vr {

// S1 (vertical) then S2 (horizontal) on the screen SW x SH. The top and left tests include both
// ends of -10..10; the bottom and right tests exclude both ends and are made only when the top
// (left) test did not fire.
DockPoint SnapToScreen(std::int32_t x, std::int32_t y, std::int32_t W, std::int32_t H, std::int32_t SW,
                       std::int32_t SH);

// The screen edges with every monitor, for a window of size `own` proposed at `p`. On each axis
// the primary screen's rule decides as in SnapToScreen whenever it fires; where it does not, the
// same rule runs on each other monitor's rectangle in turn, the first that fires deciding. A
// monitor counts only for a window that lies partly over it across that axis, so its edges do not
// pull windows on other monitors in line with them. The vertical axis goes first.
DockPoint SnapToMonitors(DockPoint p, DockSize own, const ScreenLayout& screens);

// N1..N7 against one neighbour at L, T of size NW x NH, in that order, each rule judged on the
// position the rules before it left. Touching extents count as overlapping.
DockPoint SnapToWindow(std::int32_t x, std::int32_t y, std::int32_t W, std::int32_t H, std::int32_t L,
                       std::int32_t T, std::int32_t NW, std::int32_t NH);

// True when any of N1..N7 would fire with a as the moving window and b as the neighbour, all
// judged on the unchanged positions. Symmetric in a and b.
bool AreDocked(const DockRect& a, const DockRect& b);

}  // namespace vr
