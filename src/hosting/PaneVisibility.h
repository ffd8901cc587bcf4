#pragma once
// Whether anybody can see the preview pane. While nobody can, no preview runs and the rotation
// holds: a locked or disconnected session, a display switched off, a minimised host window, or
// other windows over the whole monitor (a game, a presentation) leave a preview burning the
// processor for nothing.
#include <vector>

#include "docking/DockGeometry.h"

namespace vr {

class PaneVisibility {
public:
    enum class Change { None, Hidden, Seen };

    // Each report returns how it changed whether the pane can be seen.
    Change SessionLocked(bool locked) { return Set(locked_, locked); }
    // A session that went to another console or whose remote connection dropped shows nothing
    // until it is connected again.
    Change SessionConnected(bool connected) { return Set(disconnected_, !connected); }
    // The physical console's display: it speaks for the session only until the session's own
    // display has reported, which is the right one under Remote Desktop as well.
    Change ConsoleDisplayOn(bool on);
    Change SessionDisplayOn(bool on);
    Change Minimised(bool minimised) { return Set(minimised_, minimised); }
    bool MinimisedByUser() const { return minimised_; }
    Change Covered(bool covered) { return Set(covered_, covered); }
    bool Seen() const { return !locked_ && !disconnected_ && !DisplayOff() && !minimised_ && !covered_; }

private:
    Change Set(bool& flag, bool value);
    Change ChangeSince(bool seenBefore) const;
    bool DisplayOff() const { return sessionDisplayKnown_ ? sessionDisplayOff_ : consoleDisplayOff_; }

    bool locked_ = false;
    bool disconnected_ = false;
    bool consoleDisplayOff_ = false;
    bool sessionDisplayKnown_ = false;
    bool sessionDisplayOff_ = false;
    bool minimised_ = false;
    bool covered_ = false;
};

// A top-level window shown and not minimised; the desktop and the taskbars are left out.
struct TopWindow {
    DockRect rect;
    bool host = false;     // the pane's host window, or embedded, the desktop window it lives in
    bool cloaked = false;  // kept off the screen by the compositor: another virtual desktop, a suspended app
    bool seeThrough = false;  // layered and click-through, as overlays over games are
    bool ours = false;        // the player's own, or of a preview's processes
};

// What the shell says about the user's screen.
enum class UserScreenState { Ordinary, FullScreenGame, Presentation };

// A look at what lies over the host window's monitor.
struct MonitorLook {
    DockRect monitor;
    UserScreenState screen = UserScreenState::Ordinary;
    std::vector<TopWindow> windows;  // in z-order, the top first; those below the host may be left out
};

// A window covers the monitor when it spans all of it.
bool CoversMonitor(const DockRect& window, const DockRect& monitor);

// Nobody sees the pane when its host is cloaked (left on another virtual desktop), a game runs
// full screen or a presentation is on, or another program's window above the host spans the whole
// monitor. A window below the host hides nothing: the host stays above ordinary windows, and only
// embedded in the desktop is it below them all. A preview's own full-screen window counts as none,
// or stopping the preview for it would start it again at once.
bool PaneCovered(const MonitorLook& look);

}  // namespace vr
