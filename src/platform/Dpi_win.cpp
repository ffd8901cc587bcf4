#include "platform/Dpi_win.h"

#include "platform/Handles_win.h"

namespace vr {
namespace {

// Looked up at run time: older systems lack them, and there the screen's DPI is every window's
// and every window has the program's awareness.
template <class Function>
Function* UserFunction(const char* name) {
    return reinterpret_cast<Function*>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

using GetDpiForWindowFn = UINT WINAPI(HWND);
using SetThreadDpiHostingBehaviorFn = DPI_HOSTING_BEHAVIOR WINAPI(DPI_HOSTING_BEHAVIOR);
using GetWindowDpiAwarenessContextFn = DPI_AWARENESS_CONTEXT WINAPI(HWND);
using SetThreadDpiAwarenessContextFn = DPI_AWARENESS_CONTEXT WINAPI(DPI_AWARENESS_CONTEXT);
using GetDpiForMonitorFn = HRESULT WINAPI(HMONITOR, int, UINT*, UINT*);
using AdjustWindowRectExForDpiFn = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);

constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

GetDpiForWindowFn* DpiForWindow() {
    static const auto fn = UserFunction<GetDpiForWindowFn>("GetDpiForWindow");
    return fn;
}

SetThreadDpiAwarenessContextFn* SetThreadAwareness() {
    static const auto fn = UserFunction<SetThreadDpiAwarenessContextFn>("SetThreadDpiAwarenessContext");
    return fn;
}

// Windows 8.1 and later, in a library the program does not otherwise load.
GetDpiForMonitorFn* DpiForMonitor() {
    static const OwnedModule shcore(LoadLibraryW(L"shcore.dll"));
    static const auto fn = shcore ? reinterpret_cast<GetDpiForMonitorFn*>(reinterpret_cast<void*>(
                                        GetProcAddress(shcore.Get(), "GetDpiForMonitor")))
                                  : nullptr;
    return fn;
}

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

bool InsideAnotherProgram(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(GetAncestor(window, GA_ROOT), &process);
    return process != GetCurrentProcessId();
}

int MonitorDpi(HMONITOR monitor) {
    UINT x = 0, y = 0;
    if (!DpiForMonitor() || FAILED(DpiForMonitor()(monitor, kEffectiveDpi, &x, &y))) return 0;
    return static_cast<int>(y);
}

}  // namespace

int WindowDpi(HWND window) {
    if (window && InsideAnotherProgram(window)) {
        if (const int dpi = MonitorDpi(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST))) return dpi;
    }
    if (window && DpiForWindow()) {
        if (const UINT dpi = DpiForWindow()(window)) return static_cast<int>(dpi);
    }
    return ScreenDpi();
}

MonitorAtPoint MonitorNear(POINT point, HWND known) {
    HMONITOR monitor = MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    MonitorAtPoint found{{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, 0};
    if (GetMonitorInfoW(monitor, &info)) found.area = info.rcMonitor;
    if (known && MonitorFromWindow(known, MONITOR_DEFAULTTONEAREST) == monitor)
        found.dpi = WindowDpi(known);
    else
        found.dpi = MonitorDpi(monitor);
    if (!found.dpi) found.dpi = ScreenDpi();
    return found;
}

SIZE OuterSizeAtDpi(DWORD style, DWORD exStyle, SIZE client, int dpi) {
    static const auto adjustForDpi = UserFunction<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    RECT r{0, 0, client.cx, client.cy};
    if (!adjustForDpi || !adjustForDpi(&r, style, FALSE, exStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&r, style, FALSE, exStyle);
    return {r.right - r.left, r.bottom - r.top};
}

MixedDpiHosting::MixedDpiHosting() {
    if (auto set = UserFunction<SetThreadDpiHostingBehaviorFn>("SetThreadDpiHostingBehavior"))
        previous_ = set(DPI_HOSTING_BEHAVIOR_MIXED);
}

MixedDpiHosting::~MixedDpiHosting() {
    if (previous_ != DPI_HOSTING_BEHAVIOR_INVALID)
        UserFunction<SetThreadDpiHostingBehaviorFn>("SetThreadDpiHostingBehavior")(previous_);
}

DpiAwarenessOf::DpiAwarenessOf(HWND window) {
    const auto awarenessOf = UserFunction<GetWindowDpiAwarenessContextFn>("GetWindowDpiAwarenessContext");
    if (!window || !awarenessOf || !SetThreadAwareness()) return;
    if (DPI_AWARENESS_CONTEXT awareness = awarenessOf(window)) previous_ = SetThreadAwareness()(awareness);
}

DpiAwarenessOf::~DpiAwarenessOf() {
    if (previous_) SetThreadAwareness()(previous_);
}

}  // namespace vr
