#pragma once
// The monitors as the system lists them, for the scenarios that run on the display of two
// (scripts/lib/two-monitor-display.sh): 1024x768 at 0,0 and 800x600 at 1024,0.
#include <windows.h>

namespace e2e {

// The primary monitor and the other one. Throws when the system lists other than two: the
// scenario was started on a display of one.
struct TwoMonitors {
    RECT primary{};
    RECT second{};
};
TwoMonitors ListTwoMonitors();

// The monitor that holds the largest part of the window; the nearest one when none does.
RECT MonitorOf(HWND window);
bool SameRect(const RECT& a, const RECT& b);

}  // namespace e2e
