#include "hosting/PaneVisibility.h"

namespace vr {

PaneVisibility::Change PaneVisibility::Set(bool& flag, bool value) {
    const bool before = Seen();
    flag = value;
    if (before == Seen()) return Change::None;
    return before ? Change::Hidden : Change::Seen;
}

bool CoversMonitor(const DockRect& window, const DockRect& monitor) {
    return window.left <= monitor.left && window.top <= monitor.top && window.Right() >= monitor.Right() &&
           window.Bottom() >= monitor.Bottom();
}

}  // namespace vr
