#include "player/PlayerBar_win.h"

#include <shellapi.h>

#include <array>

#include "about/Banner_win.h"
#include "about/ResourcePictures_win.h"
#include "platform/Application_win.h"
#include "platform/Drop_win.h"
#include "platform/LateBound_win.h"
#include "platform/ProgramName.h"
#include "player/Choices.h"
#include "player/PlayerBarIds.h"
#include "player/PlayerBarTips.h"
#include "player/StartupSequence.h"

namespace vr {
namespace {

constexpr int kClientWidth = kPlayerBarClient.width;
constexpr int kClientHeight = kPlayerBarClient.height;
constexpr int kNudgeStep = 5;
constexpr DWORD kButton = BS_PUSHBUTTON;

// The interval list is wide enough for "Change every 21 Sec." whole in the window font at every
// scale; the size list, whose longest item is shorter, gives it the room.
const std::array<ControlSpec, 10> kControls{{
    {PlayerBarId::TimeCombo, WC_COMBOBOXA, "", 101, 11, 138, 300,
     WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST},
    {PlayerBarId::ResolutionCombo, WC_COMBOBOXA, "", 242, 11, 88, 300,
     WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST},
    {PlayerBarId::Button7, WC_BUTTONA, "Playlist...", 335, 8, 65, 25, WS_VISIBLE | WS_TABSTOP | kButton},
    {PlayerBarId::Button1, WC_BUTTONA, "About...", 406, 8, 65, 25, WS_VISIBLE | WS_TABSTOP | kButton},
    {PlayerBarId::Image12, WC_STATICA, "", 7, 7, 88, 31, WS_VISIBLE | SS_BITMAP | SS_NOTIFY},
    {PlayerBarId::Button3, WC_BUTTONA, "<", 13, 10, 12, 25, kButton},
    // Up and down share the banner's height, each tall enough for its caption.
    {PlayerBarId::Button4, WC_BUTTONA, "/\\", 29, 7, 44, 15, kButton},
    {PlayerBarId::Button5, WC_BUTTONA, "v", 29, 23, 44, 15, kButton},
    {PlayerBarId::Button2, WC_BUTTONA, ">", 77, 10, 12, 25, kButton},
    {PlayerBarId::label2, WC_EDITA, "", 8, 10, 353, 21, ES_READONLY | ES_AUTOHSCROLL},
}};

}  // namespace

void TfrmSVDOptions::CreateHidden(HWND applicationWindow, bool taskbarButton) {
    WindowSpec params;
    params.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    // An owned window has a taskbar button only when it asks for one.
    params.exStyle = WS_EX_CONTROLPARENT | (taskbarButton ? WS_EX_APPWINDOW : 0);
    params.caption = kProgramName;
    params.parent = applicationWindow;
    RECT outer{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&outer, params.style, FALSE, params.exStyle);
    params.width = outer.right - outer.left;
    params.height = outer.bottom - outer.top;
    Create({.className = kPlayerBarClass}, params);
    SetClientSize(Scaled(kClientWidth), Scaled(kClientHeight));
    CreateControls(Handle(), kControls);
    tips_.Create(Handle());
    for (const ControlTip& tip : kPlayerBarTips) tips_.Add(GetDlgItem(Handle(), tip.id), tip.text);

    for (const IntervalChoice& choice : kIntervalChoices) TimeCombo().Add(choice.caption);
    TimeCombo().SetVisibleRows(19);
    for (const SizeChoice& choice : kSizeChoices) ResolutionCombo().Add(choice.caption);
    ResolutionCombo().SetVisibleRows(9);
    ShowBanner(Dpi());

    AddSystemMenuItems();

    // FormCreate
    drops_.Register(Handle(), [this](const auto& paths) { OnDrop(paths); });
}

void TfrmSVDOptions::ShowBanner(int dpi) {
    banner_ = ScaledToDpi(OwnedBitmap(LoadBannerBitmap()), dpi);
    SendDlgItemMessageA(Handle(), PlayerBarId::Image12, STM_SETIMAGE, IMAGE_BITMAP,
                        reinterpret_cast<LPARAM>(banner_.Get()));
}

// The bar's own controls stay as they are; the choice sits in its system menu, which the mouse
// reaches through the caption and the keyboard through Alt+Space.
void TfrmSVDOptions::AddSystemMenuItems() {
    HMENU menu = GetSystemMenu(Handle(), FALSE);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kOneSaverAcrossMonitorsCommand, L"&One screensaver across all monitors");
    AppendMenuW(menu, MF_STRING, kUsePlaylistAsScreensaverCommand, L"Use the playlist as the screensaver");
}

void TfrmSVDOptions::SetOneSaverAcrossMonitors(bool one) {
    oneSaverAcrossMonitors_ = one;
    CheckMenuItem(GetSystemMenu(Handle(), FALSE), kOneSaverAcrossMonitorsCommand,
                  MF_BYCOMMAND | (one ? MF_CHECKED : MF_UNCHECKED));
}

void TfrmSVDOptions::ShowAndStart() {
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    FormShow();
}

void TfrmSVDOptions::ShowSaver(const std::string& path) {
    label2().SetText(path);  // EN_CHANGE runs label2Change
    label2Hint_ = path;
}

void TfrmSVDOptions::ShowPaneSize(int width, int height) {
    ComboBox combo = ResolutionCombo();
    combo.Remove(0);
    combo.Insert(0, SizeCaption(width, height));
    combo.Select(0);
}

// ---- handlers ----

void TfrmSVDOptions::FormShow() { peers_.RunStartup(); }

void TfrmSVDOptions::FormClose() { peers_.ProgramClosing(); }

// Logoff, shutdown and update restarts end the process soon after this returns, without closing
// any window: what closing keeps must be kept now.
void TfrmSVDOptions::FormEndSession(bool ending, bool closeApp) { peers_.SessionEnded(ending, closeApp); }

void TfrmSVDOptions::TimeComboChange() {
    intervalItem_ = KeptIntervalItem(intervalItem_, TimeCombo().Selected());
    ApplyInterval();
}

// A list another process broke shows the kept choice again, as far as it still can.
void TfrmSVDOptions::ApplyInterval() {
    if (TimeCombo().Selected() != intervalItem_) TimeCombo().Select(intervalItem_);
    peers_.IntervalChosen(IntervalOfItem(intervalItem_));
}

void TfrmSVDOptions::ResolutionComboChange() {
    if (auto size = SizeOfItem(ResolutionCombo().Selected()))
        peers_.PaneSizeChosen(size->width, size->height);
}

void TfrmSVDOptions::Image12Click() {
    VR_LATE_BOUND(Shell, ShellExecuteA)(Handle(), "open", kBannerPageUrl, nullptr, nullptr, SW_SHOW);
    Control(Handle(), PlayerBarId::Image12).Show(false);
    for (int id : {PlayerBarId::Button3, PlayerBarId::Button4, PlayerBarId::Button5, PlayerBarId::Button2})
        Control(Handle(), id).Show(true);
}

void TfrmSVDOptions::label2Change() { peers_.SaverTextChanged(label2().Text()); }

void TfrmSVDOptions::OnDrop(const std::vector<std::string>& paths) { peers_.DropOnPlayer(paths); }

void TfrmSVDOptions::OnCommand(int id, int code) {
    switch (id) {
    case PlayerBarId::TimeCombo:
        if (code == CBN_SELCHANGE) TimeComboChange();
        break;
    case PlayerBarId::ResolutionCombo:
        if (code == CBN_SELCHANGE) ResolutionComboChange();
        break;
    case PlayerBarId::Image12:
        if (code == STN_CLICKED) Image12Click();
        break;
    case PlayerBarId::label2:
        if (code == EN_CHANGE) label2Change();
        break;
    case PlayerBarId::Button7: peers_.ShowPlaylistWindow(); break;
    case PlayerBarId::Button1: peers_.ShowAboutWindow(); break;
    case PlayerBarId::Button3: peers_.NudgeHost(-kNudgeStep, 0); break;
    case PlayerBarId::Button2: peers_.NudgeHost(kNudgeStep, 0); break;
    case PlayerBarId::Button4: peers_.NudgeHost(0, -kNudgeStep); break;
    case PlayerBarId::Button5: peers_.NudgeHost(0, kNudgeStep); break;
    }
}

LRESULT TfrmSVDOptions::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    static const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    if (msg == taskbarCreated) {
        peers_.ShellStarted();
        return 0;
    }
    if (auto result = drops_.HandleMessage(msg, wParam, lParam)) return *result;
    switch (msg) {
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == kUsePlaylistAsScreensaverCommand) {
            peers_.UsePlaylistAsScreensaver();
            return 0;
        }
        if ((wParam & 0xFFF0) == kOneSaverAcrossMonitorsCommand) {
            SetOneSaverAcrossMonitors(!oneSaverAcrossMonitors_);
            return 0;
        }
        break;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == GetDlgItem(Handle(), PlayerBarId::Image12)) {
            SetCursor(LoadCursor(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    case WM_SIZE:
        // The other windows go with the bar into its taskbar button and come back with it, however
        // it was minimised or restored (its button, its menu, the system's "minimise all").
        if (wParam == SIZE_MINIMIZED) Application::ShowOwnedWindows(false);
        if (wParam == SIZE_RESTORED) Application::ShowOwnedWindows(true);
        break;
    case WM_SHOWWINDOW:
        // Shares its owner with the windows it hides: it stays, minimised on the taskbar.
        if (lParam == SW_PARENTCLOSING || lParam == SW_PARENTOPENING) return 0;
        break;
    case WM_CLOSE:
        FormClose();
        Destroy();
        return 0;
    case WM_ENDSESSION: FormEndSession(wParam != FALSE, (lParam & ENDSESSION_CLOSEAPP) != 0); return 0;
    case WM_DESTROY:
        drops_.Revoke();
        PostQuitMessage(0);
        return 0;
    case WM_WINDOWPOSCHANGING:
        SnapPositionRequest(DockRole::PlayerBar, peers_.DockingWindows(),
                            *reinterpret_cast<WINDOWPOS*>(lParam));
        return 0;
    case WM_ENTERSIZEMOVE:
        Default(msg, wParam, lParam);
        BeginCarry(peers_.DockingWindows());
        return 0;
    case WM_MOVE:
        Default(msg, wParam, lParam);
        CarryDocked(peers_.DockingWindows());
        return 0;
    case WM_EXITSIZEMOVE:
        Default(msg, wParam, lParam);
        EndCarry(peers_.DockingWindows());
        return 0;
    }
    return Default(msg, wParam, lParam);
}

void TfrmSVDOptions::SelectInterval(int itemIndex) {
    intervalItem_ = IntervalOfItem(itemIndex) ? itemIndex : -1;
    ApplyInterval();
}

ComboBox TfrmSVDOptions::TimeCombo() const { return ComboBox(Handle(), PlayerBarId::TimeCombo); }
ComboBox TfrmSVDOptions::ResolutionCombo() const { return ComboBox(Handle(), PlayerBarId::ResolutionCombo); }
Button TfrmSVDOptions::Button7() const { return Button(Handle(), PlayerBarId::Button7); }
Button TfrmSVDOptions::Button1() const { return Button(Handle(), PlayerBarId::Button1); }
Control TfrmSVDOptions::label2() const { return Control(Handle(), PlayerBarId::label2); }

}  // namespace vr
