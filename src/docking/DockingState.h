#pragma once
// Which windows the player bar carries during the current move of the bar, and where they sit
// relative to it. Kept by the player bar; outside a move both flags are false and all offsets 0,
// and a window that is not carried always has offsets 0.
#include <cstdint>

namespace vr {

struct DockingState {
    std::int32_t hostOffsetX = 0;      // host window's Left minus the bar's Left
    std::int32_t hostOffsetY = 0;      // host window's Top minus the bar's Top
    std::int32_t playlistOffsetX = 0;  // playlist window's Left minus the bar's Left
    std::int32_t playlistOffsetY = 0;  // playlist window's Top minus the bar's Top
    bool hostDocked = false;           // the host window moves with the bar
    bool playlistDocked = false;       // the playlist window moves with the bar

    bool operator==(const DockingState&) const = default;
};

}  // namespace vr
