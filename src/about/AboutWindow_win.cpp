#include "about/AboutWindow_win.h"

#include <shellapi.h>

#include <array>
#include <string>

#include "about/AboutWindowIds.h"
#include "about/Credits.h"
#include "platform/Controls_win.h"
#include "platform/LateBound_win.h"

namespace vr {
namespace {

constexpr int kClientWidth = 513;
constexpr int kClientHeight = 401;
constexpr RECT kPageControl{5, 5, 5 + 502, 5 + 354};
constexpr RECT kPanel{0, 360, 513, 360 + 41};

// Tab order, in z-order: the sheet's controls, "OK", then the tabs themselves, which lie at
// the bottom so the sheets are drawn over their page area.
const std::array<ControlSpec, 1> kWindowControls{{
    {AboutId::PageControl1, WC_TABCONTROLA, "", kPageControl.left, kPageControl.top,
     kPageControl.right - kPageControl.left, kPageControl.bottom - kPageControl.top,
     WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | TCS_MULTILINE},
}};

const std::array<ControlSpec, 1> kPanelControls{{
    {AboutId::Button9, WC_BUTTONA, "OK", 424, 8, 83, 25, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
}};

// The tabs, in order; their index is the sheet's.
constexpr const char* kTabCaptions[] = {"Links", "About"};

void AddTab(HWND tabs, int index, const char* caption) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(caption);
    SendMessageA(tabs, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
}

}  // namespace

TfrmConfig::TfrmConfig(std::function<void(bool visible)> setAboutButtonVisible)
    : setAboutButtonVisible_(std::move(setAboutButtonVisible)),
      t3_([this](const char* url) { OpenPage(url); }),
      t1_([this](const char* url) { OpenPage(url); }) {}

void TfrmConfig::CreateHidden(HWND owner) {
    WindowSpec params;
    params.style = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;  // a dialog frame, no caption buttons
    params.exStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_CONTROLPARENT;
    const std::string caption = std::string(kProgramName) + " - About";
    params.caption = caption.c_str();
    params.parent = owner;
    RECT outer{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&outer, params.style, FALSE, params.exStyle);
    params.left = 0;
    params.top = 0;
    params.width = outer.right - outer.left;
    params.height = outer.bottom - outer.top;
    Create({.className = "TfrmConfig"}, params);
    SetClientSize(Scaled(kClientWidth), Scaled(kClientHeight));

    CreateControls(Handle(), kWindowControls);
    HWND tabs = PageControl1();
    for (int i = 0; i < static_cast<int>(std::size(kTabCaptions)); ++i) AddTab(tabs, i, kTabCaptions[i]);

    // The sheets fill the tab control's page area.
    const RECT pageControl = Scaled(kPageControl);
    RECT page{0, 0, pageControl.right - pageControl.left, pageControl.bottom - pageControl.top};
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    OffsetRect(&page, pageControl.left, pageControl.top);
    t3_.Create(Handle(), page);
    t1_.Create(Handle(), page);
    Panel1_.CreateChild(Handle(), "TfrmConfigPanel", AboutId::Panel1, Scaled(kPanel), true);
    CreateControls(Panel1_.Handle(), kPanelControls);
    SetWindowPos(tabs, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TfrmConfig::ShowAbout(HWND player) {
    t3_.ShowPicture();
    CentreOnMonitorOf(player);
    ShowWindow(Handle(), SW_SHOW);
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(Handle());
    SetFocus(PageControl1());
}

LRESULT TfrmConfig::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_NOTIFY: OnNotify(*reinterpret_cast<const NMHDR*>(lParam)); return 0;
    case DM_GETDEFID: return MAKELRESULT(DefaultButtonId(), DC_HASDEFID);
    case WM_SHOWWINDOW:
        // Only an explicit show; not the owner's restore after a minimise.
        if (wParam && lParam == 0) FormShow();
        break;
    case WM_CLOSE:
        FormClose();
        ShowWindow(Handle(), SW_HIDE);
        return 0;
    }
    return Default(msg, wParam, lParam);
}

// Esc comes as IDCANCEL and closes the window as "OK" does. Enter on a sheet's button comes here
// too, as the dialog manager sends it to the window: the sheet that holds the button answers it.
void TfrmConfig::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    if (id == AboutId::Button9 || id == IDOK || id == IDCANCEL) return Button9Click();
    for (HWND sheet : {t3_.Handle(), t1_.Handle()})
        if (HWND button = GetDlgItem(sheet, id))
            SendMessageA(sheet, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(button));
}

// Enter presses the focused button, a link tile or the author link as well; only where no button
// has the focus does "OK" take it.
int TfrmConfig::DefaultButtonId() const {
    const HWND focus = GetFocus();
    const bool onButton = focus && IsChild(Handle(), focus) && IsWindowEnabled(focus) &&
                          (SendMessageA(focus, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON);
    return onButton ? GetDlgCtrlID(focus) : AboutId::Button9;
}

void TfrmConfig::OnNotify(const NMHDR& header) {
    if (header.idFrom == AboutId::PageControl1 && header.code == TCN_SELCHANGE) PageControl1Change();
}

// As in any property sheet: Ctrl+Tab and Ctrl+PgDn go to the next sheet, Ctrl+Shift+Tab and
// Ctrl+PgUp to the one before, round the ends; the arrow keys move between the link tiles.
bool TfrmConfig::TakeKey(const MSG& msg) {
    const bool control = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
    int step = 0;
    if (control && msg.wParam == VK_TAB) step = shift ? -1 : 1;
    if (control && msg.wParam == VK_NEXT) step = 1;
    if (control && msg.wParam == VK_PRIOR) step = -1;
    if (step == 0) return !control && t3_.MoveAmongTiles(msg.hwnd, static_cast<UINT>(msg.wParam));
    const HWND tabs = PageControl1();
    const int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    if (count <= 0) return false;
    const int current = static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
    SendMessageA(tabs, TCM_SETCURSEL, static_cast<WPARAM>((current + step + count) % count), 0);
    PageControl1Change();
    SetFocus(tabs);
    return true;
}

void TfrmConfig::FormShow() { setAboutButtonVisible_(false); }

void TfrmConfig::FormClose() { setAboutButtonVisible_(true); }

void TfrmConfig::PageControl1Change() {
    const bool links = SendMessageA(PageControl1(), TCM_GETCURSEL, 0, 0) == 0;
    ShowWindow(t3_.Handle(), links ? SW_SHOW : SW_HIDE);
    ShowWindow(t1_.Handle(), links ? SW_HIDE : SW_SHOW);
}

void TfrmConfig::Button9Click() { SendMessageA(Handle(), WM_CLOSE, 0, 0); }

void TfrmConfig::OpenPage(const char* url) {
    VR_LATE_BOUND(Shell, ShellExecuteA)(Handle(), "open", url, nullptr, nullptr, SW_SHOW);
}

// The user looks where the player is, which need not be the primary monitor.
void TfrmConfig::CentreOnMonitorOf(HWND player) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(player, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT area = monitor.rcMonitor, r = WindowRect();
    const int width = r.right - r.left, height = r.bottom - r.top;
    SetWindowPos(Handle(), nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND TfrmConfig::PageControl1() const { return GetDlgItem(Handle(), AboutId::PageControl1); }

}  // namespace vr
