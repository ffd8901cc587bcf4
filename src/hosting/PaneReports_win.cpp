#include "hosting/PaneReports_win.h"

#include <wtsapi32.h>

#include <array>
#include <cstring>
#include <cwchar>

#include "docking/DockRect_win.h"
namespace vr {
namespace {

// GUID_CONSOLE_DISPLAY_STATE: 0 off, 1 on, 2 dimmed.
constexpr GUID kDisplayState{0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};

// The shell's own full-size windows: the desktop behind everything (which takes the foreground
// when the last window in front goes) and the taskbars.
bool IsShellWindow(HWND window) {
    if (window == GetDesktopWindow() || window == GetShellWindow()) return true;
    constexpr std::array<const wchar_t*, 5> kShellClasses{L"#32769", L"Progman", L"WorkerW", L"Shell_TrayWnd",
                                                          L"Shell_SecondaryTrayWnd"};
    wchar_t name[64]{};
    GetClassNameW(window, name, 64);
    for (const wchar_t* shell : kShellClasses)
        if (std::wcscmp(name, shell) == 0) return true;
    return false;
}

}  // namespace

void PaneReports::Register(HWND window) {
    Unregister();
    window_ = window;
    WTSRegisterSessionNotification(window_, NOTIFY_FOR_THIS_SESSION);
    display_ = RegisterPowerSettingNotification(window_, &kDisplayState, DEVICE_NOTIFY_WINDOW_HANDLE);
}

void PaneReports::Unregister() {
    if (!window_) return;
    WTSUnRegisterSessionNotification(window_);
    if (display_) UnregisterPowerSettingNotification(display_);
    display_ = nullptr;
    window_ = nullptr;
}

std::optional<PaneVisibility::Change> PaneReports::OnMessage(PaneVisibility& visibility, UINT msg,
                                                             WPARAM wParam, LPARAM lParam) const {
    if (msg == WM_WTSSESSION_CHANGE && (wParam == WTS_SESSION_LOCK || wParam == WTS_SESSION_UNLOCK))
        return visibility.SessionLocked(wParam == WTS_SESSION_LOCK);
    if (msg == WM_POWERBROADCAST && wParam == PBT_POWERSETTINGCHANGE) {
        const auto* setting = reinterpret_cast<const POWERBROADCAST_SETTING*>(lParam);
        if (setting && setting->PowerSetting == kDisplayState && setting->DataLength >= sizeof(DWORD)) {
            DWORD state = 0;
            std::memcpy(&state, setting->Data, sizeof state);
            return visibility.DisplayOn(state != 0);
        }
    }
    return std::nullopt;
}

bool PaneMonitorCovered(HWND pane) {
    HWND front = GetForegroundWindow();
    if (!front || !IsWindowVisible(front) || IsIconic(front) || IsShellWindow(front)) return false;
    DWORD owner = 0;
    GetWindowThreadProcessId(front, &owner);
    if (owner == GetCurrentProcessId()) return false;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    RECT window{};
    if (!GetMonitorInfoW(MonitorFromWindow(pane, MONITOR_DEFAULTTONEAREST), &monitor) ||
        !GetWindowRect(front, &window))
        return false;
    return CoversMonitor(ToDockRect(window), ToDockRect(monitor.rcMonitor));
}

}  // namespace vr
