#pragma once
// "/s" on more than one monitor: a window of the rotator's own over each monitor, each playing a
// playlist entry in preview mode inside it, a different one on each, all changing together.
#include <functional>

#include "rotator/SaverLineup.h"

namespace vr {

// More than one monitor, and the player did not ask for one screensaver across all of them.
bool PlaysOnEveryMonitor(bool oneAcrossChosen);
// Every monitor is covered first, then the plan is read. Returns once the user is back.
void RunOnEveryMonitor(const std::function<RotatorPlan()>& readPlan);

}  // namespace vr
