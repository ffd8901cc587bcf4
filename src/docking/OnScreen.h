#pragma once
// A window restored from saved settings that lies on no monitor (after a monitor was unplugged,
// or from a damaged file) would stay out of reach and be saved back so on every start.
#include <vector>

#include "docking/DockGeometry.h"

namespace vr {

// Where the window goes: where it is when it overlaps one of the monitors; otherwise inside
// nearestWorkArea, as close to where it was as fits (its top-left corner inside when it is
// larger than the area).
DockPoint PlaceOnScreen(const DockRect& window, const std::vector<DockRect>& monitors,
                        const DockRect& nearestWorkArea);

}  // namespace vr
