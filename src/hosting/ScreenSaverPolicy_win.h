#pragma once
// The group policy on the system's screensaver, as the user's registry holds it.
#include "hosting/ScreenSaverPolicy.h"

namespace vr {

ScreenSaverPolicy ReadScreenSaverPolicy();

}  // namespace vr
