#pragma once
// The player windows placed at one display scale and shown at another: the places in "config.cfg"
// saved at 100 % and read at 150 %, or the first start's figures, which are places at 96 DPI. Each
// window's size follows the new scale, so the places must too, or the taller bar covers the host
// docked under it and a grown playlist window slides under the bar beside it.
#include <vector>

#include "docking/DockGeometry.h"

namespace vr {

struct ScaledWindow {
    DockRect before;  // outer rectangle at the old scale
    DockSize after;   // outer size at the new scale
};

// The windows' new top-left corners, in the order given. On each axis the layout is scaled from
// the monitor's top-left corner; a window that lay beyond another keeps lying beyond it, by the
// gap between them scaled, and one docked to another (within the snap distance) keeps touching
// it by that gap, whatever the frames and captions did at the new scale. Windows pushed out of the
// monitor's right or bottom edge by the growth come back together, as far as the monitor's left
// and top edge allow. The same DPI gives every window its place back exactly.
std::vector<DockPoint> RescaleLayout(const std::vector<ScaledWindow>& windows, const DockRect& monitor,
                                     int fromDpi, int toDpi);

}  // namespace vr
