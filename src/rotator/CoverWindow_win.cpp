#include "rotator/CoverWindow_win.h"

#include "hosting/HostWindowIds.h"
#include "platform/Handles_win.h"

namespace vr {
namespace {

HBRUSH PaneBrush() {
    static OwnedBrush brush(CreateSolidBrush(kPaneColour));
    return brush.Get();
}

}  // namespace

void GreenPane::Create(HWND given) {
    WindowSpec params;
    params.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    params.left = 0;
    params.top = 0;
    params.width = 0;
    params.height = 0;
    params.parent = given;
    Window::Create({.className = kGreenPaneClass, .background = PaneBrush()}, params);
    FollowSizeOf(given);
}

void GreenPane::FollowSizeOf(HWND given) {
    RECT client{};
    GetClientRect(given, &client);
    const SIZE size = ClientSize();
    if (size.cx != client.right || size.cy != client.bottom)
        MoveWindow(Handle(), 0, 0, client.right, client.bottom, TRUE);
}

}  // namespace vr
