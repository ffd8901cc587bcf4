#include "hosting/PaneReports_win.h"

#include <dwmapi.h>
#include <shellapi.h>
#include <wtsapi32.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <cwchar>

#include "docking/DockRect_win.h"
#include "files/AppError.h"
#include "platform/LateBound_win.h"

namespace vr {
namespace {

// Both report 0 for off, 1 for on, 2 for dimmed. The console's is the physical display's; the
// session's is the display of whoever this session shows on, Remote Desktop included.
constexpr GUID kConsoleDisplayState{
    0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};
constexpr GUID kSessionDisplayStatus{
    0x2b84c20e, 0xad23, 0x4ddf, {0x93, 0xdb, 0x05, 0xff, 0xbd, 0x7e, 0xfc, 0xa5}};

// The shell's own full-size windows: the desktop behind everything and the taskbars.
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

bool Cloaked(HWND window) {
    DWORD cloaked = 0;
    return SUCCEEDED(DwmGetWindowAttribute(window, DWMWA_CLOAKED, &cloaked, sizeof cloaked)) && cloaked != 0;
}

bool SeeThrough(HWND window) {
    constexpr LONG_PTR kOverlay = WS_EX_LAYERED | WS_EX_TRANSPARENT;
    return (GetWindowLongPtrW(window, GWL_EXSTYLE) & kOverlay) == kOverlay;
}

// Asked only while another program is in front: with the player or the desktop there, no game
// runs full screen and the user looks at the screen, and the shell library need not be loaded.
UserScreenState ScreenState() {
    HWND front = GetForegroundWindow();
    DWORD owner = 0;
    if (!front || IsShellWindow(front) || !GetWindowThreadProcessId(front, &owner) ||
        owner == GetCurrentProcessId())
        return UserScreenState::Ordinary;
    QUERY_USER_NOTIFICATION_STATE state{};
    try {
        if (FAILED(VR_LATE_BOUND(Shell, SHQueryUserNotificationState)(&state)))
            return UserScreenState::Ordinary;
    } catch (const AppError&) {
        return UserScreenState::Ordinary;  // a system without it has neither state
    }
    if (state == QUNS_RUNNING_D3D_FULL_SCREEN) return UserScreenState::FullScreenGame;
    if (state == QUNS_PRESENTATION_MODE) return UserScreenState::Presentation;
    return UserScreenState::Ordinary;
}

}  // namespace

void PaneReports::Register(HWND window) {
    Unregister();
    window_ = window;
    WTSRegisterSessionNotification(window_, NOTIFY_FOR_THIS_SESSION);
    consoleDisplay_ =
        RegisterPowerSettingNotification(window_, &kConsoleDisplayState, DEVICE_NOTIFY_WINDOW_HANDLE);
    sessionDisplay_ =
        RegisterPowerSettingNotification(window_, &kSessionDisplayStatus, DEVICE_NOTIFY_WINDOW_HANDLE);
}

void PaneReports::Unregister() {
    if (!window_) return;
    WTSUnRegisterSessionNotification(window_);
    for (HPOWERNOTIFY* display : {&consoleDisplay_, &sessionDisplay_}) {
        if (*display) UnregisterPowerSettingNotification(*display);
        *display = nullptr;
    }
    window_ = nullptr;
}

std::optional<PaneVisibility::Change> PaneReports::OnMessage(PaneVisibility& visibility, UINT msg,
                                                             WPARAM wParam, LPARAM lParam) const {
    if (msg == WM_WTSSESSION_CHANGE) {
        switch (wParam) {
        case WTS_SESSION_LOCK:
        case WTS_SESSION_UNLOCK: return visibility.SessionLocked(wParam == WTS_SESSION_LOCK);
        case WTS_CONSOLE_CONNECT:
        case WTS_REMOTE_CONNECT: return visibility.SessionConnected(true);
        case WTS_CONSOLE_DISCONNECT:
        case WTS_REMOTE_DISCONNECT: return visibility.SessionConnected(false);
        }
    }
    if (msg == WM_POWERBROADCAST && wParam == PBT_POWERSETTINGCHANGE) {
        const auto* setting = reinterpret_cast<const POWERBROADCAST_SETTING*>(lParam);
        if (setting && setting->DataLength >= sizeof(DWORD)) {
            DWORD state = 0;
            std::memcpy(&state, setting->Data, sizeof state);
            if (setting->PowerSetting == kConsoleDisplayState) return visibility.ConsoleDisplayOn(state != 0);
            if (setting->PowerSetting == kSessionDisplayStatus)
                return visibility.SessionDisplayOn(state != 0);
        }
    }
    return std::nullopt;
}

MonitorLook LookOverPane(HWND pane, const std::vector<DWORD>& ourProcesses) {
    MonitorLook look;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromWindow(pane, MONITOR_DEFAULTTONEAREST), &monitor)) return look;
    look.monitor = ToDockRect(monitor.rcMonitor);
    // Embedded in the desktop, the host lies under every ordinary window, as its root does.
    const HWND host = GetAncestor(pane, GA_ROOT);
    look.screen = ScreenState();
    // Windows below the host hide nothing: the walk ends there.
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
        RECT rect{};
        if (window == host) {
            GetWindowRect(window, &rect);
            look.windows.push_back({.rect = ToDockRect(rect), .host = true, .cloaked = Cloaked(window)});
            break;
        }
        if (!IsWindowVisible(window) || IsIconic(window) || IsShellWindow(window) ||
            !GetWindowRect(window, &rect))
            continue;
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        look.windows.push_back(
            {.rect = ToDockRect(rect),
             .cloaked = Cloaked(window),
             .seeThrough = SeeThrough(window),
             .ours = owner == GetCurrentProcessId() ||
                     std::find(ourProcesses.begin(), ourProcesses.end(), owner) != ourProcesses.end()});
    }
    return look;
}

}  // namespace vr
