#include "platform/Window_win.h"

#include <vector>

#include "files/AppError.h"
#include "platform/AnsweringWait_win.h"
#include "platform/Application_win.h"
#include "platform/Controls_win.h"
#include "platform/Dpi_win.h"
#include "platform/DpiChange.h"
#include "platform/DpiScale.h"
#include "platform/Unicode_win.h"

#include <algorithm>
#include <vector>

namespace vr {
namespace {

// The wrappers alive on this thread. A window's wrapper is found here by its handle, never
// through the window's own data, which any process may overwrite.
std::vector<Window*>& Wrappers() {
    static std::vector<Window*> wrappers;
    return wrappers;
}

bool IsWrapper(const Window* window) {
    const auto& all = Wrappers();
    return std::find(all.begin(), all.end(), window) != all.end();
}

// Any process can send or post WM_DESTROY and WM_NCDESTROY to a window. One the program did not
// cause itself is believed only once the window is really gone: a parent of another thread that
// is destroyed takes the window along, and the system tells it across threads. The check runs
// on a thread timer, so it works in any message loop, and gives up on a window that outlives it.
UINT_PTR g_endCheck = 0;
constexpr UINT kEndCheckMs = 50;
// Longer than a busy system takes from a window's last message to its handle's release.
constexpr ULONGLONG kStillAliveMeansForgedMs = 2000;

// How many handlers of the program's windows run on this thread, one inside another.
int g_handlersRunning = 0;

}  // namespace

Window::~Window() {
    std::erase(Wrappers(), this);
    // No wrapper is found for the window any more: its last messages go to the default handling.
    if (hwnd_) DestroyWindow(hwnd_);
}

void Window::Destroy() {
    destroying_ = true;
    DestroyWindow(hwnd_);
    destroying_ = false;
}

void Window::SuspectEnd() {
    if (!endHeardAt_) endHeardAt_ = GetTickCount64();
    if (!g_endCheck) g_endCheck = SetTimer(nullptr, 0, kEndCheckMs, &Window::CheckEnds);
}

void CALLBACK Window::CheckEnds(HWND, UINT, UINT_PTR, DWORD) {
    const ULONGLONG now = GetTickCount64();
    bool pending = false;
    // Copied: a handler of an end may create or destroy wrappers.
    const std::vector<Window*> wrappers = Wrappers();
    for (Window* window : wrappers) {
        if (!IsWrapper(window) || !window->endHeardAt_) continue;
        if (!window->StillOurs())
            window->Ended();
        else if (now - window->endHeardAt_ > kStillAliveMeansForgedMs)
            window->endHeardAt_ = 0;
        else
            pending = true;
    }
    if (!pending) {
        KillTimer(nullptr, g_endCheck);
        g_endCheck = 0;
    }
}

bool Window::StillOurs() const {
    DWORD process = 0;
    return IsWindow(hwnd_) && GetWindowThreadProcessId(hwnd_, &process) == GetCurrentThreadId() &&
           process == GetCurrentProcessId();
}

// The window went without the program's asking: its handlers of the end run now, without a
// handle (they may make the window anew).
void Window::Ended() {
    endHeardAt_ = 0;
    hwnd_ = nullptr;
    Guarded([&] { HandleMessage(WM_DESTROY, 0, 0); });
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
    if (!IsWrapper(this)) Wrappers().push_back(this);
    if (!CreateWindowExW(params.exStyle, className.c_str(), Wide(params.caption).c_str(), params.style,
                         params.left, params.top, params.width, params.height, params.parent, nullptr,
                         instance, this))
        hwnd_ = nullptr;
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
        static_assert(WM_DPICHANGED == kDpiChangedMessage);
        std::optional<ChildPlace> suggested;
        if (const auto* rect = reinterpret_cast<const RECT*>(lParam)) {
            const ChildPlace place{rect->left, rect->top, rect->right, rect->bottom};
            suggested = SuggestedPlace(HIWORD(wParam), &place);
        }
        if (suggested)
            MoveToDpi(HIWORD(wParam), {suggested->left, suggested->top, suggested->right, suggested->bottom});
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

namespace {

BOOL CALLBACK CollectDescendant(HWND child, LPARAM found) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
    return TRUE;
}

// One of the program's own windows, made by the wrapper: its object, or none.
Window* OwnWindow(HWND window, WNDPROC procedure) {
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) != procedure) return nullptr;
    return reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace

// Moved to a monitor of another DPI: every window inside, down the whole tree, grows or shrinks
// by the ratio of the two DPIs and takes the font for the new one; the windows of the program's own
// among them and the window itself make their pictures again; then the window takes the place the
// system suggests, exactly: snapping it would move it off the monitor the system chose it for.
// A window that lays itself out on WM_SIZE places its controls from its figures again.
void Window::MoveToDpi(int dpi, const RECT& suggested) {
    const int from = dpi_ ? dpi_ : kDesignDpi;
    dpi_ = dpi;
    std::vector<HWND> tree;
    EnumChildWindows(hwnd_, CollectDescendant, reinterpret_cast<LPARAM>(&tree));
    std::vector<ChildPlace> places;
    for (HWND child : tree) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
        places.push_back({r.left, r.top, r.right, r.bottom});
    }
    const std::vector<ChildPlace> rescaled = RescaledTree(places, from, dpi);
    for (std::size_t i = 0; i < tree.size(); ++i) {
        const ChildPlace& p = rescaled[i];
        MoveWindow(tree[i], p.left, p.top, p.right - p.left, p.bottom - p.top, TRUE);
        SendMessageW(tree[i], WM_SETFONT, reinterpret_cast<WPARAM>(DefaultFont(dpi)), TRUE);
    }
    for (HWND child : tree) {
        if (Window* own = OwnWindow(child, &Window::Procedure)) {
            own->dpi_ = dpi;
            own->DpiChanged(dpi);
        }
    }
    DpiChanged(dpi);
    placedAsSuggested_ = true;
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    placedAsSuggested_ = false;
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* self = nullptr;
    for (Window* window : Wrappers())
        if (window->hwnd_ == hwnd) self = window;
    if (msg == WM_NCCREATE && !self) {
        // The wrapper that CreateWindowExW was given, and only while it waits for its window.
        auto* created = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (IsWrapper(created) && !created->hwnd_) {
            self = created;
            self->hwnd_ = hwnd;
        }
    }
    if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg == WM_WINDOWPOSCHANGING && self->placedAsSuggested_)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    if ((msg == WM_DESTROY || msg == WM_NCDESTROY) && !self->destroying_) {
        self->SuspectEnd();
        return 0;
    }
    if (msg == WM_CLOSE && InAnsweringWait()) {
        // Closing now would pull the windows from under the handler that waits: close afterwards.
        PostMessageW(hwnd, WM_CLOSE, wParam, lParam);
        return 0;
    }
    LRESULT result = 0;
    bool handled = false;
    ++g_handlersRunning;
    Guarded([&] {
        result = self->HandleMessage(msg, wParam, lParam);
        handled = true;
    });
    --g_handlersRunning;
    if (msg == WM_NCDESTROY) self->hwnd_ = nullptr;
    return handled ? result : 0;
}

bool Window::SentFromOutside() { return g_handlersRunning == 1 && InSendMessage(); }

bool Window::OfferKey(HWND active, const MSG& msg) {
    if (msg.message != WM_KEYDOWN) return false;
    for (Window* window : Wrappers()) {
        if (window->hwnd_ != active) continue;
        bool taken = false;
        Guarded([&] { taken = window->TakeKey(msg); });
        return taken;
    }
    return false;
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

SIZE Window::OuterSizeFor(SIZE client, int dpi) const {
    return OuterSizeAtDpi(static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)),
                          static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)), client, dpi);
}

namespace {

void ShowBox(const std::string& text, UINT icon) {
    HWND owner = GetActiveWindow();
    if (!owner) owner = Application::Handle();
    MessageBoxW(owner, Wide(text).c_str(), Wide(Application::kTitle).c_str(), icon | MB_OK);
}

}  // namespace

void ShowErrorBox(const std::string& text) { ShowBox(text, MB_ICONERROR); }

void ShowNoticeBox(const std::string& text) { ShowBox(text, MB_ICONINFORMATION); }

void ReportToDebugger(const char* what, const char* error) {
    const std::string line = std::string(Application::kTitle) + ": " + what + ": " + error + "\n";
    OutputDebugStringW(Wide(line).c_str());
}

}  // namespace vr
