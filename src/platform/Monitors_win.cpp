#include "platform/Monitors_win.h"

namespace vr {

namespace {

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT area, LPARAM found) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    const bool primary = GetMonitorInfoW(monitor, &info) && (info.dwFlags & MONITORINFOF_PRIMARY);
    reinterpret_cast<std::vector<DisplayMonitor>*>(found)->push_back({*area, primary});
    return TRUE;
}

}  // namespace

std::vector<DisplayMonitor> DisplayMonitors() {
    std::vector<DisplayMonitor> monitors;
    EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

}  // namespace vr
