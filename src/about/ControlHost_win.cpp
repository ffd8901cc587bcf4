#include "about/ControlHost_win.h"

namespace vr {

void ControlHost::CreateChild(HWND parent, const char* className, int id, RECT place, bool visible) {
    WindowSpec params;
    params.style = WS_CHILD | WS_CLIPCHILDREN | (visible ? WS_VISIBLE : 0);
    params.exStyle = WS_EX_CONTROLPARENT;
    params.left = place.left;
    params.top = place.top;
    params.width = place.right - place.left;
    params.height = place.bottom - place.top;
    params.parent = parent;
    Create({.className = className}, params);
    SetWindowLongPtrA(Handle(), GWLP_ID, id);
}

LRESULT ControlHost::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY: return SendMessageA(GetParent(Handle()), msg, wParam, lParam);
    }
    return Default(msg, wParam, lParam);
}

}  // namespace vr
