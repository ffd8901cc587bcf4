#pragma once
// The monitors as the system lays them out now.
#include <windows.h>

#include <vector>

namespace vr {

struct DisplayMonitor {
    RECT area;  // the whole monitor in screen coordinates, taskbars included
    bool primary;
};

// Every monitor of the virtual screen, asked afresh at each call: monitors come and go.
std::vector<DisplayMonitor> DisplayMonitors();

}  // namespace vr
