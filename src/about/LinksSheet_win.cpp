#include "about/LinksSheet_win.h"

#include <windowsx.h>

#include <array>

#include "about/AboutWindowIds.h"
#include "about/Products.h"
#include "about/ResourcePictures_win.h"
#include "platform/Controls_win.h"

namespace vr {
namespace {

// The picture's static takes no clicks (no SS_NOTIFY), so the mouse reaches the sheet, which
// knows where the tiles' click areas lie.
const std::array<ControlSpec, 1> kControls{{
    {AboutId::Image2, WC_STATICA, "", kPictureLeft, kPictureTop, kPictureWidth, kPictureHeight, WS_VISIBLE | SS_BITMAP},
}};

}  // namespace

void LinksSheet::Create(HWND parent, RECT place) {
    CreateChild(parent, "TfrmConfigSheet", AboutId::t3, place, true);
    CreateControls(Handle(), kControls, DefaultFont());
    picture_ = LoadLinksPicture();
    if (picture_)
        SendDlgItemMessageA(Handle(), AboutId::Image2, STM_SETIMAGE, IMAGE_BITMAP,
                            reinterpret_cast<LPARAM>(picture_.Get()));
}

LRESULT LinksSheet::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_SETCURSOR:
        if (OnSetCursor()) return TRUE;
        break;
    case WM_LBUTTONDOWN:
        OnMouseDown({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_LBUTTONUP:
        OnMouseUp({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    }
    return ControlHost::HandleMessage(msg, wParam, lParam);
}

bool LinksSheet::OnSetCursor() {
    POINT at{};
    GetCursorPos(&at);
    ScreenToClient(Handle(), &at);
    if (!ProductAt(at.x, at.y)) return false;
    SetCursor(LoadCursor(nullptr, IDC_HAND));
    return true;
}

void LinksSheet::OnMouseDown(POINT at) { pressed_ = ProductAt(at.x, at.y); }

// A click is a press and a release on the same area, as with any button.
void LinksSheet::OnMouseUp(POINT at) {
    std::optional<std::size_t> released = ProductAt(at.x, at.y);
    if (released && released == pressed_) openPage_(kProducts[*released].page);
    pressed_.reset();
}

}  // namespace vr
