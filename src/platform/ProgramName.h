#pragma once
// The program's full name, as the player bar, the host window and the About window show it.
#include <string_view>

namespace vr {

inline constexpr char kProgramName[] = "Quillion's Veilrunner";

}  // namespace vr
