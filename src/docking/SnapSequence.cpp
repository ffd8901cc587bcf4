#include "docking/SnapSequence.h"

#include "docking/Snapping.h"

namespace vr {

namespace {

DockPoint ToWindow(DockPoint p, DockSize own, const std::optional<DockRect>& neighbour) {
    if (!neighbour) return p;
    return SnapToWindow(p.x, p.y, own.width, own.height, neighbour->left, neighbour->top, neighbour->width,
                        neighbour->height);
}

// The host window and the playlist window share one sequence: the screens, the other of the two,
// then the player bar. A carried window keeps exactly the place the bar gives it.
DockPoint SnapCarriableRequest(DockPoint request, DockSize own, const std::optional<DockRect>& otherWindow,
                               const std::optional<DockRect>& playerBar, const ScreenLayout& screens,
                               bool carried, bool wallpaperMode) {
    if (wallpaperMode || carried) return request;
    DockPoint p = SnapToMonitors(request, own, screens);
    p = ToWindow(p, own, otherWindow);
    return ToWindow(p, own, playerBar);
}

bool OffsetsZero(std::int32_t offsetX, std::int32_t offsetY) { return offsetX == 0 && offsetY == 0; }

}  // namespace

DockPoint SnapPlaylistRequest(DockPoint request, DockSize own, const std::optional<DockRect>& host,
                              const std::optional<DockRect>& playerBar, const ScreenLayout& screens,
                              const DockingState& state, bool wallpaperMode) {
    return SnapCarriableRequest(request, own, host, playerBar, screens, state.playlistDocked, wallpaperMode);
}

DockPoint SnapHostRequest(DockPoint request, DockSize own, const std::optional<DockRect>& playlist,
                          const std::optional<DockRect>& playerBar, const ScreenLayout& screens,
                          const DockingState& state, bool wallpaperMode) {
    return SnapCarriableRequest(request, own, playlist, playerBar, screens, state.hostDocked, wallpaperMode);
}

DockPoint SnapPlayerBarRequest(DockPoint request, DockSize own, const std::optional<DockRect>& playlist,
                               const std::optional<DockRect>& host, const ScreenLayout& screens,
                               const DockingState& state, bool wallpaperMode) {
    if (wallpaperMode) return request;
    DockPoint p = request;
    if (OffsetsZero(state.playlistOffsetX, state.playlistOffsetY)) p = ToWindow(p, own, playlist);
    if (OffsetsZero(state.hostOffsetX, state.hostOffsetY)) p = ToWindow(p, own, host);
    return SnapToMonitors(p, own, screens);
}

DockPoint SnapRequest(DockRole self, DockPoint request, DockSize own, const PlayerRects& windows,
                      const ScreenLayout& screens, const DockingState& state, bool wallpaperMode) {
    switch (self) {
    case DockRole::Playlist:
        return SnapPlaylistRequest(request, own, windows.host, windows.playerBar, screens, state,
                                   wallpaperMode);
    case DockRole::Host:
        return SnapHostRequest(request, own, windows.playlist, windows.playerBar, screens, state,
                               wallpaperMode);
    case DockRole::PlayerBar:
        return SnapPlayerBarRequest(request, own, windows.playlist, windows.host, screens, state,
                                    wallpaperMode);
    }
    return request;
}

DockPoint SnapWindowRequest(DockRole self, DockPoint request, const FramedWindow& own, bool maximised,
                            const PlayerRects& frames, const ScreenLayout& screens, const DockingState& state,
                            bool wallpaperMode) {
    if (maximised) return request;
    const DockRect frame = own.Frame();
    const DockPoint frameRequest{ToInt32(std::int64_t{request.x} + own.insets.left),
                                 ToInt32(std::int64_t{request.y} + own.insets.top)};
    const DockPoint snapped =
        SnapRequest(self, frameRequest, {frame.width, frame.height}, frames, screens, state, wallpaperMode);
    // A request no rule changed goes through exactly as it came.
    if (snapped == frameRequest) return request;
    return own.WindowCornerFor(snapped);
}

}  // namespace vr
