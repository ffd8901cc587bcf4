#include "Monitors.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace e2e {
namespace {

BOOL CALLBACK Collect(HMONITOR monitor, HDC, LPRECT, LPARAM found) {
    reinterpret_cast<std::vector<HMONITOR>*>(found)->push_back(monitor);
    return TRUE;
}

MONITORINFO InfoOf(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    return info;
}

}  // namespace

TwoMonitors ListTwoMonitors() {
    std::vector<HMONITOR> monitors;
    EnumDisplayMonitors(nullptr, nullptr, Collect, reinterpret_cast<LPARAM>(&monitors));
    if (monitors.size() != 2)
        throw std::runtime_error("this scenario needs the display of two monitors; the system lists " +
                                 std::to_string(monitors.size()));
    TwoMonitors two;
    for (HMONITOR monitor : monitors) {
        const MONITORINFO info = InfoOf(monitor);
        ((info.dwFlags & MONITORINFOF_PRIMARY) ? two.primary : two.second) = info.rcMonitor;
    }
    return two;
}

RECT MonitorOf(HWND window) { return InfoOf(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)).rcMonitor; }

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

}  // namespace e2e
