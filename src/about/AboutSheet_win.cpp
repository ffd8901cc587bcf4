#include "about/AboutSheet_win.h"

#include <commctrl.h>

#include <array>
#include <optional>

#include "about/AboutWindowIds.h"
#include "about/Credits.h"
#include "about/Links.h"
#include "about/ResourcePictures_win.h"
#include "platform/Controls_win.h"

namespace vr {
namespace {

// AboutShape4: the white card behind the credits and the logo.
constexpr RECT kCard{4, 8, 4 + 486, 8 + 310};
constexpr COLORREF kCardBorder = RGB(128, 128, 128);
constexpr COLORREF kLinkBlue = RGB(0, 0, 255);

// The memo's lines are 13 pixels high in the window font at 96 DPI, so the author link at
// 71 + 10 * 13 lies exactly over the memo's author line. The link comes first so that it is above the memo
// in z-order and takes the clicks; the memo clips it out when it repaints. The link is a button
// drawn as a link, so Tab and Space reach it as well.
const std::array<ControlSpec, 4> kControls{{
    {AboutId::StaticText1, WC_BUTTONA, "", 124, 201, 89, 17, WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW},
    {AboutId::Memo1, WC_EDITA, "", 6, 71, 323, 193,
     WS_VISIBLE | WS_CLIPSIBLINGS | ES_MULTILINE | ES_CENTER | ES_READONLY},
    {AboutId::Image10, WC_STATICA, "", 344, 100, 100, 100, WS_VISIBLE | SS_BITMAP | SS_NOTIFY},
    {AboutId::Button1, WC_BUTTONA, "Donate...", 344, 229, 100, 25, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON},
}};

LRESULT CALLBACK MemoPassesTab(HWND memo, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    LRESULT result = DefSubclassProc(memo, msg, wParam, lParam);
    return msg == WM_GETDLGCODE ? WithoutDialogKeys(result) : result;
}

// The window font at the sheet's DPI, underlined.
HFONT CreateLinkFont(int dpi) {
    LOGFONTA font{};
    GetObjectA(DefaultFont(dpi), sizeof font, &font);
    font.lfUnderline = TRUE;
    return CreateFontIndirectA(&font);
}

}  // namespace

void AboutSheet::Create(HWND parent, RECT place) {
    CreateChild(parent, "TfrmConfigSheet", AboutId::t1, place, false);
    white_ = OwnedBrush(CreateSolidBrush(RGB(255, 255, 255)));
    border_ = OwnedBrush(CreateSolidBrush(kCardBorder));
    CreateControls(Handle(), kControls);

    SetDlgItemTextA(Handle(), AboutId::Memo1, CreditText().c_str());
    memoSubclass_.Attach(GetDlgItem(Handle(), AboutId::Memo1), MemoPassesTab);
    SetDlgItemTextA(Handle(), AboutId::StaticText1, std::string(kAuthorName).c_str());
    DpiChanged(Dpi());
}

// The link's font, the logo and the link's line at the DPI.
void AboutSheet::DpiChanged(int dpi) {
    linkFont_ = OwnedFont(CreateLinkFont(dpi));
    FitMemoToItsLines();
    PlaceLinkOnAuthorLine();
    logo_ = ScaledToDpi(LoadLogo(), dpi);
    SendDlgItemMessageA(Handle(), AboutId::Image10, STM_SETIMAGE, IMAGE_BITMAP,
                        reinterpret_cast<LPARAM>(logo_.Get()));
    InvalidateRect(GetDlgItem(Handle(), AboutId::StaticText1), nullptr, TRUE);
}

LRESULT AboutSheet::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_DRAWITEM: OnDrawLink(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<LRESULT>(
            OnStaticColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    case WM_SETCURSOR:
        if (OnSetCursor(reinterpret_cast<HWND>(wParam))) return TRUE;
        break;
    }
    return ControlHost::HandleMessage(msg, wParam, lParam);
}

// The memo's lines are as high as the font makes them, which at another DPI is not quite the
// 96-DPI figure scaled: at 144 DPI the scaled memo holds one line less than the credits have, and
// the last one, the copyright, would not show. The memo grows down until it holds them all.
void AboutSheet::FitMemoToItsLines() {
    const HWND memo = GetDlgItem(Handle(), AboutId::Memo1);
    auto lineTop = [memo](LRESULT line) {
        const LRESULT at = SendMessageA(memo, EM_POSFROMCHAR, SendMessageA(memo, EM_LINEINDEX, line, 0), 0);
        return at == -1 ? std::optional<int>() : std::optional<int>(static_cast<short>(HIWORD(at)));
    };
    const LRESULT lines = SendMessageA(memo, EM_GETLINECOUNT, 0, 0);
    if (lines < 2) return;
    const std::optional<int> first = lineTop(0), second = lineTop(1), last = lineTop(lines - 1);
    if (!first || !second || !last) return;
    RECT client{}, outer{};
    GetClientRect(memo, &client);
    GetWindowRect(memo, &outer);
    const int missing = *last + (*second - *first) - client.bottom;
    if (missing <= 0) return;
    SetWindowPos(memo, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top + missing,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The link follows the line it covers.
void AboutSheet::PlaceLinkOnAuthorLine() {
    const HWND memo = GetDlgItem(Handle(), AboutId::Memo1), link = GetDlgItem(Handle(), AboutId::StaticText1);
    const LRESULT first = SendMessageA(memo, EM_LINEINDEX, kAuthorLineIndex, 0);
    const LRESULT at = SendMessageA(memo, EM_POSFROMCHAR, first, 0);
    if (first < 0 || at == -1) return;
    POINT line{0, static_cast<short>(HIWORD(at))};
    MapWindowPoints(memo, Handle(), &line, 1);
    RECT r{};
    GetWindowRect(link, &r);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&r), 2);
    SetWindowPos(link, nullptr, r.left, line.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void AboutSheet::OnPaint() {
    const PaintDc paint(Handle());
    const RECT card = Scaled(kCard);
    FillRect(paint.Dc(), &card, white_.Get());
    FrameRect(paint.Dc(), &card, border_.Get());
}

void AboutSheet::OnCommand(int id, int code) {
    switch (id) {
    case AboutId::StaticText1:
        if (code == BN_CLICKED) StaticText5Click();
        break;
    case AboutId::Image10:
        if (code == STN_CLICKED) StaticText5Click();
        break;
    case AboutId::Button1:
        if (code == BN_CLICKED) Button1Click();
        break;
    }
}

// Everything on this sheet stands on the white card: the memo (read-only, so it asks as a
// static) and the logo.
HBRUSH AboutSheet::OnStaticColour(HDC dc, HWND) {
    SetBkColor(dc, RGB(255, 255, 255));
    return white_.Get();
}

// The author link: blue underlined text on the card, and the focus as a dotted frame.
void AboutSheet::OnDrawLink(const DRAWITEMSTRUCT& item) {
    if (item.CtlID != AboutId::StaticText1) return;
    RECT r = item.rcItem;
    FillRect(item.hDC, &r, white_.Get());
    const HGDIOBJ oldFont = SelectObject(item.hDC, linkFont_.Get());
    SetTextColor(item.hDC, kLinkBlue);
    SetBkMode(item.hDC, TRANSPARENT);
    const std::string text(kAuthorName);
    DrawTextA(item.hDC, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(item.hDC, oldFont);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &r);
}

// Links show the hand; the memo keeps the arrow instead of an edit's text cursor.
bool AboutSheet::OnSetCursor(HWND over) {
    const int id = GetDlgCtrlID(over);
    if (id == AboutId::StaticText1 || id == AboutId::Image10) {
        SetCursor(LoadCursor(nullptr, IDC_HAND));
        return true;
    }
    if (id == AboutId::Memo1) {
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
        return true;
    }
    return false;
}

void AboutSheet::StaticText5Click() { openPage_(kHomePageUrl); }

void AboutSheet::Button1Click() { openPage_(kDonationPageUrl); }

}  // namespace vr
