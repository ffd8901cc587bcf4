#include "platform/Dpi_win.h"

namespace vr {
namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

// Looked up at run time: older systems lack it, and there the screen's DPI is every window's.
GetDpiForWindowFn DpiForWindow() {
    static const auto fn = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    return fn;
}

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

}  // namespace

int WindowDpi(HWND window) {
    if (window && DpiForWindow()) {
        if (const UINT dpi = DpiForWindow()(window)) return static_cast<int>(dpi);
    }
    return ScreenDpi();
}

}  // namespace vr
