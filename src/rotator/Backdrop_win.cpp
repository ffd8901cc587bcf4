#include "rotator/Backdrop_win.h"

namespace vr {

void Backdrop::Create(const RECT& area) {
    WindowSpec params;
    params.style = WS_POPUP;
    params.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;  // no taskbar button, no Alt+Tab tile
    params.left = area.left;
    params.top = area.top;
    Window::Create(
        {.className = kBackdropClass, .background = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))},
        params);
    SetWindowPos(Handle(), HWND_TOPMOST, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_SHOWWINDOW);
    SetForegroundWindow(Handle());
}

LRESULT Backdrop::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_SETCURSOR: SetCursor(nullptr); return TRUE;
    case WM_CLOSE: closed_ = true; return 0;
    // Its area keeps its pixels when a monitor's scale changes: the size the system suggests for
    // the new DPI would no longer cover it.
    case WM_DPICHANGED: return 0;
    }
    return Default(msg, wParam, lParam);
}

RECT VirtualScreen() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
            top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

}  // namespace vr
