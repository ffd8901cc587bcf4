#pragma once
// "/s": the playlist full screen, until the user ends the saver on screen.
#include "rotator/SaverLineup.h"

namespace vr {

void RunFullScreen(const RotatorPlan& plan);

}  // namespace vr
