#pragma once
// "/s" on more than one monitor: a window of the rotator's own over each monitor, each playing a
// playlist entry in preview mode inside it, a different one on each, all changing together.
#include "rotator/SaverLineup.h"

namespace vr {

// More than one monitor, and the player did not ask for one screensaver across all of them.
bool PlaysOnEveryMonitor(const RotatorPlan& plan);
// Returns once the user's input ended it.
void RunOnEveryMonitor(const RotatorPlan& plan);

}  // namespace vr
