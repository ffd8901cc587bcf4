#include "SaverWindow.h"

#include <cstdlib>

namespace kit {
namespace {

constexpr wchar_t kClassName[] = L"VeilrunnerKitSaver";
constexpr UINT_PTR kFrameTimer = 1;
constexpr UINT_PTR kLimitTimer = 2;
constexpr UINT kFrameMs = 33;  // ~30 frames a second: smooth enough, light on the CPU
// Wine and real mice report tiny moves when a window appears under the pointer; only a
// deliberate move ends a full-screen run.
constexpr int kMouseSlack = 4;

void RegisterClassOnce(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW wc{};
    if (GetClassInfoExW(instance, kClassName, &wc)) return;
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);
}

SIZE ClientSize(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

}  // namespace

SaverWindow::~SaverWindow() {
    if (window_) DestroyWindow(window_);
}

bool SaverWindow::Create(HINSTANCE instance, HWND parent) {
    RegisterClassOnce(instance, &Procedure);
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT place{};
    if (FullScreen()) {
        style = WS_POPUP;
        exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
        place.left = GetSystemMetrics(SM_XVIRTUALSCREEN);
        place.top = GetSystemMetrics(SM_YVIRTUALSCREEN);
        place.right = place.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
        place.bottom = place.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    } else {
        parent_ = parent;
        style = WS_CHILD | WS_VISIBLE;
        GetClientRect(parent, &place);
    }
    CreateWindowExW(exStyle, kClassName, saver_.Title(), style, place.left, place.top,
                    place.right - place.left, place.bottom - place.top, FullScreen() ? nullptr : parent,
                    nullptr, instance, this);
    if (!window_) return false;

    size_ = ClientSize(window_);
    saver_.Resize(size_.cx, size_.cy);
    SetTimer(window_, kFrameTimer, kFrameMs, nullptr);
    if (FullScreen()) {
        if (const unsigned limit = saver_.FullScreenLimitMs()) SetTimer(window_, kLimitTimer, limit, nullptr);
        ShowWindow(window_, SW_SHOW);
        SetForegroundWindow(window_);
        SetFocus(window_);
    }
    return true;
}

LRESULT CALLBACK SaverWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<SaverWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<SaverWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->OnMessage(message, wParam, lParam);
}

LRESULT SaverWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam == kFrameTimer) OnFrameTimer();
        if (wParam == kLimitTimer) End(EndReason::Timeout);
        return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SIZE:
        size_ = {LOWORD(lParam), HIWORD(lParam)};
        saver_.Resize(size_.cx, size_.cy);
        return 0;
    case WM_SETCURSOR:
        if (!FullScreen()) break;
        SetCursor(nullptr);
        return TRUE;
    case WM_MOUSEMOVE:
        if (FullScreen()) OnMouseMove(lParam);
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (!FullScreen()) break;
        End(EndReason::Input);
        return 0;
    case WM_CLOSE: End(EndReason::Close); return 0;
    case WM_DESTROY:
        if (!endedBy_) endedBy_ = EndReason::Destroyed;
        KillTimer(window_, kFrameTimer);
        KillTimer(window_, kLimitTimer);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void SaverWindow::OnFrameTimer() {
    // The host may resize its pane while we play; follow it rather than draw a stale size.
    if (parent_) {
        const SIZE pane = ClientSize(parent_);
        if (pane.cx != size_.cx || pane.cy != size_.cy) MoveWindow(window_, 0, 0, pane.cx, pane.cy, FALSE);
    }
    saver_.Step();
    InvalidateRect(window_, nullptr, FALSE);
}

void SaverWindow::OnPaint() {
    PAINTSTRUCT ps;
    HDC screen = BeginPaint(window_, &ps);
    HDC back = buffer_.Prepare(screen, size_.cx, size_.cy);
    saver_.Paint(back, size_.cx, size_.cy);
    buffer_.Present(screen);
    EndPaint(window_, &ps);
}

void SaverWindow::OnMouseMove(LPARAM lParam) {
    const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (!firstMouse_) {
        firstMouse_ = at;
        return;
    }
    if (std::abs(at.x - firstMouse_->x) > kMouseSlack || std::abs(at.y - firstMouse_->y) > kMouseSlack)
        End(EndReason::Input);
}

void SaverWindow::End(EndReason reason) {
    if (!endedBy_) endedBy_ = reason;
    if (window_) DestroyWindow(window_);
}

}  // namespace kit
