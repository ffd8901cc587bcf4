#include "about/ControlHost_win.h"

namespace vr {

void ControlHost::CreateChild(HWND parent, const char* className, int id, RECT place, bool visible) {
    WindowSpec spec;
    spec.style = WS_CHILD | WS_CLIPCHILDREN | (visible ? WS_VISIBLE : 0);
    spec.exStyle = WS_EX_CONTROLPARENT;
    spec.left = place.left;
    spec.top = place.top;
    spec.width = place.right - place.left;
    spec.height = place.bottom - place.top;
    spec.parent = parent;
    Create({.className = className}, spec);
    SetWindowLongPtrA(Handle(), GWLP_ID, id);
}

LRESULT ControlHost::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
        return SendMessageA(GetParent(Handle()), msg, wParam, lParam);
    }
    return Default(msg, wParam, lParam);
}

}  // namespace vr
