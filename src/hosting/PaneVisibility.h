#pragma once
// Whether anybody can see the preview pane. While nobody can, no preview runs and the rotation
// holds: a locked session, a display switched off, a minimised host window, or another program's
// window over the whole monitor (a game, a video, a presentation) leave a preview burning the
// processor for nothing.
#include "docking/DockGeometry.h"

namespace vr {

class PaneVisibility {
public:
    enum class Change { None, Hidden, Seen };

    // Each report returns how it changed whether the pane can be seen.
    Change SessionLocked(bool locked) { return Set(locked_, locked); }
    Change DisplayOn(bool on) { return Set(displayOff_, !on); }
    Change Minimised(bool minimised) { return Set(minimised_, minimised); }
    Change CoveredByFullScreen(bool covered) { return Set(covered_, covered); }
    bool Seen() const { return !locked_ && !displayOff_ && !minimised_ && !covered_; }

private:
    Change Set(bool& flag, bool value);

    bool locked_ = false;
    bool displayOff_ = false;
    bool minimised_ = false;
    bool covered_ = false;
};

// A window covers the monitor when it spans all of it; the desktop and the taskbar are no such
// window, which the caller rules out by class.
bool CoversMonitor(const DockRect& window, const DockRect& monitor);

}  // namespace vr
