#include "rotator/CoverWindow_win.h"

#include <optional>

#include "hosting/HostWindowIds.h"
#include "platform/Handles_win.h"
#include "platform/Window_win.h"
#include "rotator/RotatorLoop_win.h"
#include "rotator/ScreenRotation.h"

namespace vr {
namespace {

constexpr unsigned kLookEveryMs = 100;

class BlackScreen final : public Window {
public:
    void Create() {
        WindowSpec params;
        params.style = WS_POPUP;  // shown once it covers everything
        params.exStyle = WS_EX_TOPMOST;
        params.left = GetSystemMetrics(SM_XVIRTUALSCREEN);
        params.top = GetSystemMetrics(SM_YVIRTUALSCREEN);
        Window::Create({.className = kBlackScreenClass,
                        .background = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))},
                       params);
        SetWindowPos(Handle(), HWND_TOPMOST, params.left, params.top, GetSystemMetrics(SM_CXVIRTUALSCREEN),
                     GetSystemMetrics(SM_CYVIRTUALSCREEN), SWP_SHOWWINDOW);
        SetForegroundWindow(Handle());
    }
    bool Ended() const { return ended_; }

private:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        switch (msg) {
        case WM_SETCURSOR: SetCursor(nullptr); return TRUE;
        case WM_MOUSEMOVE: {
            const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (!firstMouse_) firstMouse_ = at;
            if (HandMoved(at.x - firstMouse_->x, at.y - firstMouse_->y)) End();
            return 0;
        }
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_CLOSE: End(); return 0;
        case WM_ACTIVATEAPP:
            if (!wParam) End();
            break;
        }
        return Default(msg, wParam, lParam);
    }
    void End() {
        if (!ended_) DestroyWindow(Handle());
        ended_ = true;
    }

    std::optional<POINT> firstMouse_;
    bool ended_ = false;
};

class GreenPane final : public Window {
public:
    void Create(HWND pane) {
        WindowSpec params;
        params.style = WS_CHILD | WS_VISIBLE;
        params.left = 0;
        params.top = 0;
        params.width = 0;
        params.height = 0;
        params.parent = pane;
        Window::Create({.className = kGreenPaneClass, .background = PaneBrush()}, params);
    }
    // The system's window may be sized after it gave its handle, and again later.
    void FollowSizeOf(HWND pane) {
        RECT client{};
        GetClientRect(pane, &client);
        const SIZE size = ClientSize();
        if (size.cx != client.right || size.cy != client.bottom)
            MoveWindow(Handle(), 0, 0, client.right, client.bottom, TRUE);
    }

private:
    static HBRUSH PaneBrush() {
        static OwnedBrush brush(CreateSolidBrush(kPaneColour));
        return brush.Get();
    }
};

}  // namespace

void CoverScreenUntilInput() {
    BlackScreen screen;
    screen.Create();
    RunLooking(kLookEveryMs, [&] { return !screen.Ended(); });
}

void FillPaneUntilGone(HWND pane) {
    GreenPane green;
    green.Create(pane);
    RunLooking(kLookEveryMs, [&] {
        if (!IsWindow(pane)) return false;
        green.FollowSizeOf(pane);
        return true;
    });
}

}  // namespace vr
