#include "docking/Carrying.h"

#include "docking/Snapping.h"

namespace vr {

namespace {

struct Offset {
    std::int32_t x;
    std::int32_t y;
};

Offset OffsetFromBar(const DockRect& bar, const DockRect& window) {
    return {ToInt32(std::int64_t{window.left} - bar.left), ToInt32(std::int64_t{window.top} - bar.top)};
}

DockPoint AtOffset(DockPoint bar, std::int32_t offsetX, std::int32_t offsetY) {
    return {ToInt32(std::int64_t{bar.x} + offsetX), ToInt32(std::int64_t{bar.y} + offsetY)};
}

}  // namespace

DockingState DecideCarry(const DockRect& playerBar, const std::optional<DockRect>& host,
                         const std::optional<DockRect>& playlist) {
    bool playlistDocked = playlist && AreDocked(playerBar, *playlist);
    bool hostDocked = host && AreDocked(playerBar, *host);
    // One window docked to the bar takes along a window docked to it in turn.
    if (host && playlist) {
        if (playlistDocked && !hostDocked) {
            hostDocked = AreDocked(*playlist, *host);
        } else if (hostDocked && !playlistDocked) {
            playlistDocked = AreDocked(*host, *playlist);
        }
    }

    DockingState state;
    if (playlistDocked) {
        const Offset offset = OffsetFromBar(playerBar, *playlist);
        state.playlistDocked = true;
        state.playlistOffsetX = offset.x;
        state.playlistOffsetY = offset.y;
    }
    if (hostDocked) {
        const Offset offset = OffsetFromBar(playerBar, *host);
        state.hostDocked = true;
        state.hostOffsetX = offset.x;
        state.hostOffsetY = offset.y;
    }
    return state;
}

CarryTargets CarryTargetsFor(DockPoint bar, const DockingState& state, bool wallpaperMode) {
    CarryTargets targets;
    if (wallpaperMode) return targets;
    if (state.hostDocked) targets.host = AtOffset(bar, state.hostOffsetX, state.hostOffsetY);
    if (state.playlistDocked) {
        targets.playlist = AtOffset(bar, state.playlistOffsetX, state.playlistOffsetY);
    }
    return targets;
}

}  // namespace vr
