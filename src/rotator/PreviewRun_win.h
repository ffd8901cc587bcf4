#pragma once
// "/p <window>": the playlist's previews inside the system's preview window, until it goes.
#include <windows.h>

#include "rotator/SaverLineup.h"

namespace vr {

void RunPreviews(const RotatorPlan& plan, HWND pane);

}  // namespace vr
