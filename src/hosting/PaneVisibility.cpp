#include "hosting/PaneVisibility.h"

namespace vr {

PaneVisibility::Change PaneVisibility::Set(bool& flag, bool value) {
    const bool before = Seen();
    flag = value;
    return ChangeSince(before);
}

PaneVisibility::Change PaneVisibility::ChangeSince(bool seenBefore) const {
    if (seenBefore == Seen()) return Change::None;
    return seenBefore ? Change::Hidden : Change::Seen;
}

PaneVisibility::Change PaneVisibility::ConsoleDisplayOn(bool on) { return Set(consoleDisplayOff_, !on); }

PaneVisibility::Change PaneVisibility::SessionDisplayOn(bool on) {
    const bool before = Seen();
    sessionDisplayKnown_ = true;
    sessionDisplayOff_ = !on;
    return ChangeSince(before);
}

bool CoversMonitor(const DockRect& window, const DockRect& monitor) {
    return window.left <= monitor.left && window.top <= monitor.top && window.Right() >= monitor.Right() &&
           window.Bottom() >= monitor.Bottom();
}

bool PaneCovered(const MonitorLook& look) {
    if (look.screen != UserScreenState::Ordinary) return true;
    for (const TopWindow& window : look.windows) {
        if (window.host) return window.cloaked;
        if (!window.cloaked && !window.seeThrough && !window.ours && CoversMonitor(window.rect, look.monitor))
            return true;
    }
    return false;
}

}  // namespace vr
