#include "platform/ListRows_win.h"

namespace vr {

void DrawListRow(const DRAWITEMSTRUCT& item, std::wstring_view text) {
    const HDC dc = item.hDC;
    const RECT& row = item.rcItem;
    const bool showFocus = !(item.itemState & ODS_NOFOCUSRECT);
    // A focus change alone toggles the dotted frame, which is drawn by inverting.
    if (item.itemAction == ODA_FOCUS) {
        if (showFocus) DrawFocusRect(dc, &row);
        return;
    }
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const COLORREF oldBack = selected ? SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT)) : CLR_INVALID;
    const COLORREF oldText = selected ? SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT))
                             : (item.itemState & ODS_DISABLED) ? SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT))
                                                               : CLR_INVALID;
    // One pixel in from the left edge, as the list box sets its own strings.
    ExtTextOutW(dc, row.left + 1, row.top, ETO_OPAQUE | ETO_CLIPPED, &row, text.data(),
                static_cast<UINT>(text.size()), nullptr);
    if (oldBack != CLR_INVALID) SetBkColor(dc, oldBack);
    if (oldText != CLR_INVALID) SetTextColor(dc, oldText);
    if ((item.itemState & ODS_FOCUS) && showFocus) DrawFocusRect(dc, &row);
}

}  // namespace vr
