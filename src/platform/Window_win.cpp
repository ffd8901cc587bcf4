#include "platform/Window_win.h"

#include "files/AppError.h"
#include "platform/Application_win.h"
#include "platform/AsideTask_win.h"
#include "platform/Controls_win.h"
#include "platform/Dpi_win.h"
#include "platform/DpiScale.h"
#include "platform/Unicode_win.h"

namespace vr {

Window::~Window() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

void Window::Create(const WindowClassSpec& cls, const WindowSpec& params) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const std::wstring className = Wide(cls.className);
    WNDCLASSEXW wc{};
    if (!GetClassInfoExW(instance, className.c_str(), &wc)) {
        wc = WNDCLASSEXW{};
        wc.cbSize = sizeof wc;
        wc.style = cls.classStyle;
        wc.lpfnWndProc = &Window::Procedure;
        wc.hInstance = instance;
        wc.hCursor = cls.cursor ? cls.cursor : LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = cls.background;
        wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
        wc.lpszClassName = className.c_str();
        if (!RegisterClassExW(&wc)) throw AppError("Cannot register window class");
    }
    CreateWindowExW(params.exStyle, className.c_str(), Wide(params.caption).c_str(), params.style,
                    params.left, params.top, params.width, params.height, params.parent, nullptr, instance,
                    this);
    if (!hwnd_) throw AppError(std::string("Cannot create window ") + cls.className);
    // The window's DPI is known only once it exists, on the monitor it was placed on.
    dpi_ = Dpi();
    if (!(params.style & WS_CHILD) && params.width != CW_USEDEFAULT && Dpi() != kDesignDpi)
        SetWindowPos(hwnd_, nullptr, 0, 0, Scaled(params.width), Scaled(params.height),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) { return Default(msg, wParam, lParam); }

LRESULT Window::Default(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_ACTIVATE) {
        KeepFocusOnActivation(wParam);
        return 0;
    }
    if (msg == WM_DPICHANGED) {
        MoveToDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    }
    return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

// As a dialog does: the control that had the keyboard focus gets it back when the window is
// activated again, and a window activated for the first time gives it to its first Tab stop, so
// the keyboard works at once.
void Window::KeepFocusOnActivation(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
        return;
    }
    if (HIWORD(wParam)) return;  // minimised
    HWND target = lastFocus_;
    if (!target || !IsChild(hwnd_, target) || !IsWindowVisible(target) || !IsWindowEnabled(target))
        target = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    SetFocus(target ? target : hwnd_);
}

// Moved to a monitor of another DPI: the controls grow or shrink by the ratio of the two DPIs and
// take the font for the new one, then the window takes the place the system suggests, and a
// window that lays itself out on WM_SIZE places its controls from its figures again.
void Window::MoveToDpi(int dpi, const RECT& suggested) {
    const int from = dpi_ ? dpi_ : kDesignDpi;
    dpi_ = dpi;
    for (HWND child = GetWindow(hwnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
        MoveWindow(child, MulDiv(r.left, dpi, from), MulDiv(r.top, dpi, from),
                   MulDiv(r.right - r.left, dpi, from), MulDiv(r.bottom - r.top, dpi, from), TRUE);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultFont(dpi)), TRUE);
    }
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (msg == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg == WM_CLOSE && AsideTask::Waiting()) {
        // Closing now would pull the windows from under the handler that waits: close afterwards.
        PostMessageW(hwnd, WM_CLOSE, wParam, lParam);
        return 0;
    }
    LRESULT result = 0;
    bool handled = false;
    Guarded([&] {
        result = self->HandleMessage(msg, wParam, lParam);
        handled = true;
    });
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return handled ? result : 0;
}

RECT Window::WindowRect() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return r;
}

SIZE Window::ClientSize() const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    return {r.right - r.left, r.bottom - r.top};
}

void Window::SetClientSize(int width, int height) {
    // The outer size that yields this client size, with frame and caption as they are now.
    RECT outer = WindowRect();
    SIZE client = ClientSize();
    int w = (outer.right - outer.left) - client.cx + width;
    int h = (outer.bottom - outer.top) - client.cy + height;
    SetWindowPos(hwnd_, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

POINT Window::Position() const {
    RECT r = WindowRect();
    POINT p{r.left, r.top};
    // A child window (the embedded host) lives in its parent's client coordinates.
    if (GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_CHILD) ScreenToClient(GetParent(hwnd_), &p);
    return p;
}

// Left and top are set one at a time, each as a position change of its own, so that every
// request passes through the window's own position handling.
void Window::SetLeft(int left) {
    SetWindowPos(hwnd_, nullptr, left, Position().y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::SetTop(int top) {
    SetWindowPos(hwnd_, nullptr, Position().x, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Window::IsVisible() const { return IsWindowVisible(hwnd_) != FALSE; }

int Window::Dpi() const { return WindowDpi(hwnd_); }

int Window::Scaled(int figure) const { return ScaleForDpi(figure, Dpi()); }

RECT Window::Scaled(RECT figures) const {
    const int dpi = Dpi();
    return {ScaleForDpi(figures.left, dpi), ScaleForDpi(figures.top, dpi), ScaleForDpi(figures.right, dpi),
            ScaleForDpi(figures.bottom, dpi)};
}

void ShowErrorBox(const std::string& text) {
    HWND owner = GetActiveWindow();
    if (!owner) owner = Application::Handle();
    MessageBoxW(owner, Wide(text).c_str(), Wide(Application::kTitle).c_str(), MB_ICONERROR | MB_OK);
}

void ReportToDebugger(const char* what, const char* error) {
    const std::string line = std::string(Application::kTitle) + ": " + what + ": " + error + "\n";
    OutputDebugStringW(Wide(line).c_str());
}

}  // namespace vr
