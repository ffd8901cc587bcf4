#pragma once
// Snapping and carrying for the player bar, the host window and the playlist window, called from
// their message handlers. Rectangles, visible frames and the monitors are asked of the system at
// each call.
#include <windows.h>

#include <optional>

#include "docking/DockingState.h"
#include "docking/SnapSequence.h"

namespace vr {

// The three player windows; a null HWND is a window that does not exist (yet). `state` is the
// player bar's docking state and is never null.
struct PlayerWindows {
    HWND playerBar;
    HWND host;
    HWND playlist;
    DockingState* state;
    bool wallpaperMode;
    // The start-up places the windows one value at a time. Until it says where they will stand
    // they do not snap; then each snaps against those places (startupFrames, visible frames), not
    // against where the others were created or happen to stand half placed.
    bool startingUp = false;
    const PlayerRects* startupFrames = nullptr;
};

// Where each player window finds the others and the docking state: the program, which owns all
// three, answers afresh at each call.
class DockingPeers {
public:
    virtual PlayerWindows DockingWindows() = 0;

protected:
    ~DockingPeers() = default;
};

// The window's rectangle and its invisible borders, as they are now; nothing for no window.
std::optional<FramedWindow> FramedWindowOf(HWND window);

// WM_WINDOWPOSCHANGING of the window `self` (request.hwnd): pulls the proposed x and y onto
// nearby screen and window edges, judged with the size the window has now, not the requested
// one, by the frames the user sees; a maximised window is left where the system puts it. Only x
// and y are changed. The handler returns 0 without passing the message on.
void SnapPositionRequest(DockRole self, const PlayerWindows& w, WINDOWPOS& request);

// The player bar's WM_ENTERSIZEMOVE, after the default processing: decides which windows the
// move carries.
void BeginCarry(const PlayerWindows& w);
// The player bar's WM_MOVE, after the default processing: places the carried windows at their
// offsets from the bar. A failure ends this placing silently; the next WM_MOVE tries again.
void CarryDocked(const PlayerWindows& w);
// The player bar's WM_EXITSIZEMOVE, after the default processing: releases the carried windows.
void EndCarry(const PlayerWindows& w);

}  // namespace vr
