#include "hosting/PaneReports_win.h"

#include <dwmapi.h>
#include <shellapi.h>
#include <wtsapi32.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>
#include <cwchar>

#include "docking/DockRect_win.h"
#include "files/AppError.h"
#include "platform/Handles_win.h"
#include "platform/LateBound_win.h"

namespace vr {
namespace {

// Both report 0 for off, 1 for on, 2 for dimmed. The console's is the physical display's; the
// session's is the display of whoever this session shows on, Remote Desktop included.
constexpr GUID kConsoleDisplayState{
    0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};
constexpr GUID kSessionDisplayStatus{
    0x2b84c20e, 0xad23, 0x4ddf, {0x93, 0xdb, 0x05, 0xff, 0xbd, 0x7e, 0xfc, 0xa5}};

// Posted to the host window when the system reported a display's power: it carries nothing, and
// the state is read where the system's callback left it, so a stray one changes nothing.
const UINT kDisplayReportMessage = RegisterWindowMessageA("Veilrunner.DisplayPowerReported");

// Power settings through a callback of the system (powrprof, Windows 8 and later), never through
// WM_POWERBROADCAST, whose pointer any process can post. The system headers here lack them.
constexpr DWORD kNotifyByCallback = 2;  // DEVICE_NOTIFY_CALLBACK
using PowerCallback = ULONG CALLBACK(void* context, ULONG type, void* setting);
struct SubscribeParameters {  // DEVICE_NOTIFY_SUBSCRIBE_PARAMETERS
    PowerCallback* callback;
    void* context;
};
using RegisterSetting = DWORD WINAPI(const GUID* setting, DWORD flags, HANDLE recipient,
                                     HPOWERNOTIFY* handle);
using UnregisterSetting = DWORD WINAPI(HPOWERNOTIFY handle);

HMODULE PowerLibrary() {
    static const OwnedModule library(LoadLibraryExW(L"powrprof.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    return library.Get();
}

template <class Function>
Function* PowerFunction(const char* name) {
    const HMODULE library = PowerLibrary();
    return library ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(library, name)))
                   : nullptr;
}

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
    auto* subscribe = PowerFunction<RegisterSetting>("PowerSettingRegisterNotification");
    if (!subscribe) return;
    subscription_ = std::make_unique<Subscription>();
    subscription_->window = window_;
    SubscribeParameters parameters{&Subscription::Reported, subscription_.get()};
    for (auto [setting, handle] : {std::pair{&kConsoleDisplayState, &consoleDisplay_},
                                   std::pair{&kSessionDisplayStatus, &sessionDisplay_}})
        if (subscribe(setting, kNotifyByCallback, &parameters, handle) != ERROR_SUCCESS) *handle = nullptr;
}

// On a thread of the system's: only the state is kept, and the window woken to read it.
ULONG CALLBACK PaneReports::Subscription::Reported(void* context, ULONG type, void* setting) {
    const auto* report = static_cast<const POWERBROADCAST_SETTING*>(setting);
    if (!context || type != PBT_POWERSETTINGCHANGE || !report || report->DataLength < sizeof(DWORD))
        return ERROR_SUCCESS;
    auto& subscription = *static_cast<Subscription*>(context);
    DWORD state = 0;
    std::memcpy(&state, report->Data, sizeof state);
    const int on = state != 0 ? 1 : 0;
    if (report->PowerSetting == kConsoleDisplayState) subscription.consoleDisplayOn = on;
    if (report->PowerSetting == kSessionDisplayStatus) subscription.sessionDisplayOn = on;
    PostMessageW(subscription.window, kDisplayReportMessage, 0, 0);
    return ERROR_SUCCESS;
}

void PaneReports::Unregister() {
    if (!window_) return;
    WTSUnRegisterSessionNotification(window_);
    if (auto* unsubscribe = PowerFunction<UnregisterSetting>("PowerSettingUnregisterNotification"))
        for (HPOWERNOTIFY* display : {&consoleDisplay_, &sessionDisplay_})
            if (*display) unsubscribe(*display);
    consoleDisplay_ = sessionDisplay_ = nullptr;
    subscription_.reset();
    window_ = nullptr;
}

std::optional<PaneVisibility::Change> PaneReports::OnMessage(PaneVisibility& visibility, UINT msg,
                                                             WPARAM wParam) const {
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
    if (msg == kDisplayReportMessage && subscription_) {
        const bool seenBefore = visibility.Seen();
        if (const int on = subscription_->consoleDisplayOn; on >= 0) visibility.ConsoleDisplayOn(on != 0);
        if (const int on = subscription_->sessionDisplayOn; on >= 0) visibility.SessionDisplayOn(on != 0);
        if (seenBefore == visibility.Seen()) return PaneVisibility::Change::None;
        return seenBefore ? PaneVisibility::Change::Hidden : PaneVisibility::Change::Seen;
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
