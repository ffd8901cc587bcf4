#pragma once
// "/s": the playlist full screen, until the user ends the saver on screen.
#include <functional>

#include "rotator/SaverLineup.h"

namespace vr {

// The backdrop covers the screen first, then the plan is read.
void RunFullScreen(const std::function<RotatorPlan()>& readPlan);

}  // namespace vr
