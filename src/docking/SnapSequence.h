#pragma once
// Each of the three player windows runs its own sequence of snapping steps on a proposed
// position, each step on the result of the one before, so the last step to fire decides each
// coordinate: the player bar wins for the host and playlist windows, the screen for the bar.
#include <optional>

#include "docking/DockGeometry.h"
#include "docking/DockingState.h"
#include "docking/VisibleFrame.h"

namespace vr {

enum class DockRole { PlayerBar, Host, Playlist };

// The current rectangles of the player windows (their visible frames where they have invisible
// borders); empty for a window that does not exist.
struct PlayerRects {
    std::optional<DockRect> playerBar;
    std::optional<DockRect> host;
    std::optional<DockRect> playlist;
};

// The monitors' edges, then the host window, then the player bar. Unchanged in wallpaper mode
// and while the bar carries the playlist window.
DockPoint SnapPlaylistRequest(DockPoint request, DockSize own, const std::optional<DockRect>& host,
                              const std::optional<DockRect>& playerBar, const ScreenLayout& screens,
                              const DockingState& state, bool wallpaperMode);

// The monitors' edges, then the playlist window, then the player bar. Unchanged in wallpaper
// mode and while the bar carries the host window.
DockPoint SnapHostRequest(DockPoint request, DockSize own, const std::optional<DockRect>& playlist,
                          const std::optional<DockRect>& playerBar, const ScreenLayout& screens,
                          const DockingState& state, bool wallpaperMode);

// The playlist window, then the host window, then the monitors' edges. A window is skipped while
// it has a non-zero offset, so the bar does not snap to a window that moves with it. Unchanged
// in wallpaper mode.
DockPoint SnapPlayerBarRequest(DockPoint request, DockSize own, const std::optional<DockRect>& playlist,
                               const std::optional<DockRect>& host, const ScreenLayout& screens,
                               const DockingState& state, bool wallpaperMode);

// The sequence of the window `self`, whose size is `own`; its own entry in `windows` is not read.
DockPoint SnapRequest(DockRole self, DockPoint request, DockSize own, const PlayerRects& windows,
                      const ScreenLayout& screens, const DockingState& state, bool wallpaperMode);

// A request as the system makes it, for the top-left corner of the window's whole rectangle:
// judged by the frames the user sees (`frames` holds the other windows' visible frames) and
// turned back into a corner of the whole rectangle. A maximised window keeps the place the system
// gives it, its borders past the screen's edges: the rules are for placing windows.
DockPoint SnapWindowRequest(DockRole self, DockPoint request, const FramedWindow& own, bool maximised,
                            const PlayerRects& frames, const ScreenLayout& screens, const DockingState& state,
                            bool wallpaperMode);

}  // namespace vr
