#include "docking/OnScreen_win.h"

#include <vector>

#include "docking/DockRect_win.h"
#include "docking/OnScreen.h"
#include "platform/Monitors_win.h"

namespace vr {

void BringOnScreen(HWND window) {
    RECT rect{};
    if (!GetWindowRect(window, &rect)) return;
    std::vector<DockRect> monitors;
    for (const DisplayMonitor& monitor : DisplayMonitors()) {
        monitors.push_back(ToDockRect(monitor.area));
    }
    MONITORINFO nearest{};
    nearest.cbSize = sizeof nearest;
    if (!GetMonitorInfoW(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &nearest)) return;
    const DockPoint placed = PlaceOnScreen(ToDockRect(rect), monitors, ToDockRect(nearest.rcWork));
    if (placed.x != rect.left || placed.y != rect.top)
        SetWindowPos(window, nullptr, placed.x, placed.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace vr
