#include "about/LinksSheet_win.h"

#include <array>
#include <vector>

#include "about/AboutWindowIds.h"
#include "about/Products.h"
#include "about/ResourcePictures_win.h"
#include "platform/Controls_win.h"

namespace vr {
namespace {

// The click areas, one per product in the order of kProducts.
constexpr std::array<int, kProducts.size()> kAreaIds{AboutId::Image5, AboutId::Image4, AboutId::Image9,
                                                     AboutId::Image6, AboutId::Image7, AboutId::Image3};

// The index of the product whose click area has this id, or kProducts.size().
std::size_t AreaIndex(int id) {
    std::size_t i = 0;
    while (i < kAreaIds.size() && kAreaIds[i] != id) ++i;
    return i;
}

}  // namespace

// Each click area is a button drawn as its part of the picture, so it takes a click as any
// button does (press and release on it), and Tab and Space reach it from the keyboard. The
// picture lies under them and clips them out.
void LinksSheet::Create(HWND parent, RECT place) {
    CreateChild(parent, "TfrmConfigSheet", AboutId::t3, place, true);
    std::vector<ControlSpec> controls;
    for (std::size_t i = 0; i < kProducts.size(); ++i) {
        const PixelRect& area = kProducts[i].place;
        controls.push_back({kAreaIds[i], WC_BUTTONA, kProducts[i].title.data(), area.left, area.top,
                            area.width, area.height, WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW});
    }
    controls.push_back({AboutId::Image2, WC_STATICA, "", kPictureLeft, kPictureTop, kPictureWidth,
                        kPictureHeight, WS_VISIBLE | WS_CLIPSIBLINGS | SS_BITMAP});
    CreateControls(Handle(), controls);
}

bool LinksSheet::MoveAmongTiles(HWND control, UINT key) {
    if (GetParent(control) != Handle()) return false;
    const std::size_t from = AreaIndex(GetDlgCtrlID(control));
    if (from == kProducts.size()) return false;
    const std::size_t count = kProducts.size();
    std::size_t perRow = 0;
    while (perRow < count && kProducts[perRow].place.top == kProducts[0].place.top) ++perRow;
    std::size_t to = from;
    switch (key) {
    case VK_RIGHT: to = (from + 1) % count; break;
    case VK_LEFT: to = (from + count - 1) % count; break;
    case VK_DOWN: to = (from + perRow) % count; break;
    case VK_UP: to = (from + count - perRow) % count; break;
    default: return false;
    }
    SetFocus(GetDlgItem(Handle(), kAreaIds[to]));
    return true;
}

void LinksSheet::ShowPicture() {
    if (picture_) return;
    picture_ = ScaledToDpi(LoadLinksPicture(), Dpi());
    if (picture_)
        SendDlgItemMessageA(Handle(), AboutId::Image2, STM_SETIMAGE, IMAGE_BITMAP,
                            reinterpret_cast<LPARAM>(picture_.Get()));
}

// A picture shown already is decoded again at the size of its new place.
void LinksSheet::DpiChanged(int) {
    if (!picture_) return;
    picture_ = OwnedBitmap();
    ShowPicture();
}

LRESULT LinksSheet::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_SETCURSOR:
        if (OnSetCursor(reinterpret_cast<HWND>(wParam))) return TRUE;
        break;
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_DRAWITEM: OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    }
    return ControlHost::HandleMessage(msg, wParam, lParam);
}

bool LinksSheet::OnSetCursor(HWND over) {
    if (AreaIndex(GetDlgCtrlID(over)) == kProducts.size()) return false;
    SetCursor(LoadCursor(nullptr, IDC_HAND));
    return true;
}

void LinksSheet::OnCommand(int id, int code) {
    const std::size_t area = AreaIndex(id);
    if (area < kProducts.size() && code == BN_CLICKED) openPage_(kProducts[area].page);
}

// An area shows the piece of the picture it lies on, and the focus as a dotted frame.
void LinksSheet::OnDrawItem(const DRAWITEMSTRUCT& item) {
    const std::size_t area = AreaIndex(static_cast<int>(item.CtlID));
    if (area == kProducts.size()) return;
    const RECT& r = item.rcItem;
    if (picture_) {
        const BitmapDc source(item.hDC, picture_.Get());
        BitBlt(item.hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, source.Dc(),
               Scaled(kProducts[area].place.left) - Scaled(kPictureLeft),
               Scaled(kProducts[area].place.top) - Scaled(kPictureTop), SRCCOPY);
    }
    if (item.itemState & ODS_FOCUS) {
        RECT focus = r;
        InflateRect(&focus, -2, -2);
        DrawFocusRect(item.hDC, &focus);
    }
}

}  // namespace vr
