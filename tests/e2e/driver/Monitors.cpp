#include "Monitors.h"

#include <stdexcept>
#include <string>

namespace e2e {
namespace {

RECT AreaOf(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    return info.rcMonitor;
}

}  // namespace

TwoMonitors ListTwoMonitors() {
    const int count = GetSystemMetrics(SM_CMONITORS);
    if (count != 2)
        throw std::runtime_error("this scenario needs the display of two monitors; the system lists " +
                                 std::to_string(count));
    // The second lies right of the primary, whose right edge is the primary screen's width.
    return {AreaOf(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY)),
            AreaOf(MonitorFromPoint({GetSystemMetrics(SM_CXSCREEN), 0}, MONITOR_DEFAULTTONEAREST))};
}

RECT MonitorOf(HWND window) { return AreaOf(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)); }

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

}  // namespace e2e
