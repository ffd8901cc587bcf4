#include "docking/OnScreen_win.h"

#include <vector>

#include "docking/OnScreen.h"

namespace vr {
namespace {

DockRect ToDockRect(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

BOOL CALLBACK CollectMonitor(HMONITOR, HDC, LPRECT area, LPARAM monitors) {
    reinterpret_cast<std::vector<DockRect>*>(monitors)->push_back(ToDockRect(*area));
    return TRUE;
}

}  // namespace

void BringOnScreen(HWND window) {
    RECT rect{};
    if (!GetWindowRect(window, &rect)) return;
    std::vector<DockRect> monitors;
    EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
    MONITORINFO nearest{};
    nearest.cbSize = sizeof nearest;
    if (!GetMonitorInfoW(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &nearest)) return;
    const DockPoint placed = PlaceOnScreen(ToDockRect(rect), monitors, ToDockRect(nearest.rcWork));
    if (placed.x != rect.left || placed.y != rect.top)
        SetWindowPos(window, nullptr, placed.x, placed.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace vr
