#include "playlist/PlaylistWindow_win.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>
#include <array>

#include "hosting/AutostartShortcut_win.h"
#include "hosting/SaverCommand.h"
#include "hosting/SaverProcess_win.h"
#include "hosting/WallpaperClose_win.h"
#include "hosting/Wallpaper_win.h"
#include "platform/Application_win.h"
#include "platform/DpiScale.h"
#include "platform/Drop_win.h"
#include "platform/FileDialogs_win.h"
#include "platform/FileSystem_win.h"
#include "platform/ListRows_win.h"
#include "platform/Shell_win.h"
#include "platform/Unicode_win.h"
#include "playlist/ListDrop.h"
#include "playlist/PlaylistWindowIds.h"
#include "playlist/PlaylistWindowTips.h"
#include "playlist/TypeAhead.h"

namespace vr {
namespace {

using namespace PlaylistWindowId;

constexpr UINT_PTR kRotationTimerId = 1;
constexpr unsigned kInitialRotationMs = 5000;
constexpr int kPanelHeight = 137;
constexpr int kItemHeight = 13;
constexpr int kDragThreshold = 5;
constexpr int kDropLineThickness = 2;
constexpr int kPanel = -1;  // parent marker: the bottom panel
constexpr int kForm = 0;    // parent marker: the window's client area

// Every control clips its overlapping siblings, so none paints over one above it: the help text
// lies over the wallpaper group's controls, whose buttons overlap its radio buttons.
constexpr DWORD kPush = WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | BS_PUSHBUTTON;
constexpr DWORD kRadio = WS_VISIBLE | WS_CLIPSIBLINGS | BS_AUTORADIOBUTTON;
// Group boxes go to the bottom of the z-order once created; WS_GROUP ends the last control
// group before them.
constexpr DWORD kGroup = WS_VISIBLE | WS_GROUP | WS_CLIPSIBLINGS | BS_GROUPBOX;

// Places are relative to the parent named in the second column; Panel1 is the bottom strip of
// the client area, the group boxes lie on it. Table order is the z-order (first on top) and so
// the Tab order: the help text above everything of its group, the buttons above the radio
// buttons, which are wide enough to reach under them.
struct PlacedControl {
    ControlSpec params;
    int parent;
};

const char* const kHelpText =
    "What is this? It's cool! ;-) If you double-click on a \r\n"
    "wallpaper playlist file the Veilrunner opens it \r\n"
    "in desktop wallpaper mode and puts the \r\n"
    "screensavers like wallpapers on the desktop. Try it!\r\n"
    "\r\n"
    "Use the player window to define where the desktop \r\n"
    "wallpaper mode window will be placed and in which \r\n"
    "size. All settings are stored separately in each \r\n"
    "wallpaper playlist file. This way, you can even \r\n"
    "configure more than one player to run in desktop \r\n"
    "wallpaper mode, e.g. one in 320 x 240 in the top right \r\n"
    "corner and another one in 1024 x 768 on your \r\n"
    "secondary monitor...\r\n"
    "\r\n"
    "Double-click this box to close it! :-)\r\n";

const std::array<PlacedControl, 22> kControls{{
    {{ListBox1, WC_LISTBOXA, "", 0, 0, 622, 358,
      WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
          kRowsFromProgram,
      WS_EX_CLIENTEDGE},
     kForm},
    {{GroupBox3, WC_BUTTONA, " Screensaver  ", 6, 4, 227, 61, kGroup}, kPanel},
    // Wide enough for "Configure..." whole in the window font at every scale.
    {{Button6, WC_BUTTONA, "Configure...", 5, 24, 69, 25, kPush | WS_GROUP | WS_DISABLED}, GroupBox3},
    {{Button7, WC_BUTTONA, "Run...", 79, 24, 69, 25, kPush | WS_DISABLED}, GroupBox3},
    {{Button9, WC_BUTTONA, "Install...", 153, 24, 69, 25, kPush}, GroupBox3},
    {{GroupBox1, WC_BUTTONA, " Add  ", 6, 70, 227, 61, kGroup}, kPanel},
    {{Button1, WC_BUTTONA, "File...", 8, 24, 65, 25, kPush | WS_GROUP}, GroupBox1},
    {{Button2, WC_BUTTONA, "Dir...", 80, 24, 65, 25, kPush}, GroupBox1},
    {{Button8, WC_BUTTONA, "Win + Sys", 152, 24, 65, 25, kPush | WS_DISABLED}, GroupBox1},
    {{GroupBox2, WC_BUTTONA, " Playlist  ", 240, 4, 83, 127, kGroup}, kPanel},
    {{Button3, WC_BUTTONA, "New", 8, 24, 65, 25, kPush | WS_GROUP}, GroupBox2},
    {{Button4, WC_BUTTONA, "Save...", 8, 57, 65, 25, kPush}, GroupBox2},
    {{Button5, WC_BUTTONA, "Load...", 8, 90, 65, 25, kPush}, GroupBox2},
    {{GroupBox4, WC_BUTTONA, " Desktop Wallpaper Mode Playlist  ", 328, 4, 289, 127, kGroup}, kPanel},
    {{Memo1, WC_EDITA, kHelpText, 8, 24, 273, 90,
      WS_VISIBLE | WS_TABSTOP | WS_GROUP | WS_CLIPSIBLINGS | WS_VSCROLL | ES_MULTILINE | ES_READONLY,
      WS_EX_CLIENTEDGE},
     GroupBox4},
    {{Button12, WC_BUTTONA, "Run...", 216, 24, 65, 25, kPush | WS_GROUP}, GroupBox4},
    {{Button10, WC_BUTTONA, "Close", 216, 57, 65, 25, kPush}, GroupBox4},
    {{Button11, WC_BUTTONA, "Save...", 216, 89, 65, 25, kPush}, GroupBox4},
    {{Button13, WC_BUTTONA, "Add to autostart folder!", 8, 89, 201, 25, kPush}, GroupBox4},
    {{RadioButton3, WC_BUTTONA, "Use whole desktop workarea", 16, 25, 249, 17,
      kRadio | WS_TABSTOP | WS_GROUP},
     GroupBox4},
    {{RadioButton2, WC_BUTTONA, "Use player window", 16, 44, 249, 17, kRadio}, GroupBox4},
    {{RadioButton1, WC_BUTTONA, "Use player window's client area", 16, 63, 249, 17, kRadio}, GroupBox4},
}};

const PlacedControl* FindControl(int id) {
    for (const PlacedControl& c : kControls)
        if (c.params.id == id) return &c;
    return nullptr;
}

// Where a control lies in the client area of a window of the given client size and DPI: the
// panel's 96-DPI figures scaled as a whole, each control's place within it and its size.
RECT PlaceOf(const PlacedControl& c, SIZE client, int dpi) {
    const int panelTop = client.cy - ScaleForDpi(kPanelHeight, dpi);
    if (c.params.id == ListBox1) return {0, 0, client.cx, std::max<LONG>(0, panelTop)};
    POINT origin{c.params.x, c.params.y};
    for (const PlacedControl* p = FindControl(c.parent); p; p = FindControl(p->parent)) {
        origin.x += p->params.x;
        origin.y += p->params.y;
    }
    const LONG left = ScaleForDpi(origin.x, dpi), top = panelTop + ScaleForDpi(origin.y, dpi);
    return {left, top, left + ScaleForDpi(c.params.w, dpi), top + ScaleForDpi(c.params.h, dpi)};
}

// Whether a text starts with a typed character, case folded as the list box folds it.
bool StartsWithTyped(std::string_view text, wchar_t typed) {
    // The first character takes at most four bytes of UTF-8.
    const std::wstring start = Wide(text.substr(0, 4));
    return !start.empty() && CompareStringOrdinal(start.c_str(), 1, &typed, 1, TRUE) == CSTR_EQUAL;
}

const char* const kOpenFilter =
    "Screensaver or Playlist|*.scr; *.spls; *.scfg|Screensaver |*.scr|Screensaver Playlist|*.spls|"
    "Desktop Wallpaper Mode Playlist|*.scfg";
const char* const kPlaylistSaveFilter = "Screensaver Playlist|*.spls";
const char* const kWallpaperSaveFilter = "Desktop Wallpaper Mode Playlist|*.scfg";

OpenDialog& OpenDialog2() {
    static OpenDialog dialog(kOpenFilter, "scr");
    return dialog;
}

}  // namespace

TForm1::TForm1(PlaylistWindowPeers& peers, SaverDisplay& display, PlaylistFileReader& reader)
    : peers_(peers),
      playlist_(std::make_unique<Playlist>(WinFileSystem(), reader, display,
                                           static_cast<RotationTimer&>(*this),
                                           static_cast<PlaylistView&>(*this))),
      listAccessibility_(
          [this](int row) { return Wide(playlist_->Entries().at(static_cast<std::size_t>(row))); }) {}

void TForm1::CreateHidden(HWND owner) {
    WindowSpec params;
    // No WS_CLIPCHILDREN: the group boxes leave their inside for the window to paint.
    params.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX;
    params.exStyle = WS_EX_CONTROLPARENT;
    params.caption = "Playlist";
    params.left = 649;
    params.top = 288;
    params.width = 630;
    params.height = 529;
    params.parent = owner;
    Create({.className = "TForm1"}, params);
    timer1_ = std::make_unique<EventTimer>(Handle(), kRotationTimerId, kInitialRotationMs);

    std::vector<ControlSpec> specs;
    for (const PlacedControl& c : kControls) specs.push_back(c.params);
    CreateControls(Handle(), specs);
    tips_.Create(Handle());
    for (const ControlTip& tip : kPlaylistWindowTips) tips_.Add(GetDlgItem(Handle(), tip.id), tip.text);
    for (int id : {GroupBox3, GroupBox1, GroupBox2, GroupBox4})
        SetWindowPos(GetDlgItem(Handle(), id), HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    DpiChanged(Dpi());
    SetPlacement(PlacementChoice::WholeWorkarea);
    listSubclass_.Attach(ListBox1().Handle(), ListProc, reinterpret_cast<DWORD_PTR>(this));
    memoSubclass_.Attach(GetDlgItem(Handle(), Memo1), MemoProc, reinterpret_cast<DWORD_PTR>(this));

    // FormCreate
    drops_.Register(Handle(), [this](const auto& paths) { OnDrop(paths); });
    playlist_->SetWallpaperListFile("");
}

void TForm1::Layout() {
    SIZE client = ClientSize();
    const int dpi = Dpi();
    for (const PlacedControl& c : kControls) {
        RECT r = PlaceOf(c, client, dpi);
        MoveWindow(GetDlgItem(Handle(), c.params.id), r.left, r.top, r.right - r.left, r.bottom - r.top,
                   TRUE);
    }
}

// The rows and the panel from their figures at the DPI.
void TForm1::DpiChanged(int dpi) {
    Layout();
    SendMessageA(ListBox1().Handle(), LB_SETITEMHEIGHT, 0, ScaleForDpi(kItemHeight, dpi));
}

void TForm1::ShowInFront() {
    ShowWindow(Handle(), SW_SHOW);
    BringWindowToTop(Handle());
}

void TForm1::ShowWithListFocused() {
    ShowWindow(Handle(), SW_SHOW);
    ListBox1().Focus();
}

void TForm1::SetSaverButtonsEnabled(bool enabled) {
    for (int id : {Button6, Button7, Button8}) EnableWindow(GetDlgItem(Handle(), id), enabled);
}

void TForm1::SetConfigureEnabled(bool enabled) { EnableWindow(GetDlgItem(Handle(), Button6), enabled); }

// The memo's own flag: while the window is hidden the memo counts as shown or not all the same.
bool TForm1::HelpTextVisible() const {
    return (GetWindowLongPtrA(GetDlgItem(Handle(), Memo1), GWL_STYLE) & WS_VISIBLE) != 0;
}

// Hidden help text uncovers the controls beneath it.
void TForm1::SetHelpTextVisible(bool visible) {
    ShowWindow(GetDlgItem(Handle(), Memo1), visible ? SW_SHOW : SW_HIDE);
    KeepTabStopsOfCoveredControls();
}

// While the help text covers its group's controls, Tab passes them by instead of putting the
// focus where nobody sees it. Uncovered, they are stops as created, and of the radio buttons
// the checked one, as checking a radio button moves its group's stop to it.
void TForm1::KeepTabStopsOfCoveredControls() {
    const bool covered = HelpTextVisible();
    for (const PlacedControl& c : kControls) {
        if (c.parent != GroupBox4 || c.params.id == Memo1) continue;
        HWND control = GetDlgItem(Handle(), c.params.id);
        const bool radio = (c.params.style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
        const bool stop =
            !covered && (radio ? Button(control).Checked() : (c.params.style & WS_TABSTOP) != 0);
        const LONG_PTR style = GetWindowLongPtrA(control, GWL_STYLE);
        SetWindowLongPtrA(control, GWL_STYLE, stop ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    }
}

namespace {

int RadioButtonOf(PlacementChoice choice) {
    return choice == PlacementChoice::PlayerClientArea ? RadioButton1
           : choice == PlacementChoice::PlayerWindow   ? RadioButton2
                                                       : RadioButton3;
}

}  // namespace

void TForm1::SetPlacement(PlacementChoice choice) {
    placement_ = choice;
    CheckRadioButton(Handle(), RadioButton3, RadioButton1, RadioButtonOf(choice));
    KeepTabStopsOfCoveredControls();
}

// ---- handlers ----

void TForm1::FormShow() { peers_.PlaylistWindowShown(true); }

void TForm1::FormClose() {
    ShowWindow(Handle(), SW_HIDE);
    peers_.PlaylistWindowShown(false);
}

void TForm1::Button1Click(bool load) {
    DWORD options = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    if (!load) options |= OFN_ALLOWMULTISELECT;
    std::vector<std::string> chosen = OpenDialog2().Execute(Handle(), options);
    if (chosen.empty()) return;
    if (load)
        playlist_->LoadChosenFile(chosen.front());
    else
        playlist_->AddChosenFiles(chosen);
}

void TForm1::Button2Click() {
    if (auto folder = BrowseForFolder(Handle(), "Please Select a Folder")) playlist_->AddFolder(*folder);
}

void TForm1::Button4Click(int sender) {
    const bool wallpaperForm = sender != Button4;
    // A wallpaper playlist typed without an extension must still end in .scfg: saved as .spls,
    // opening it would never start the wallpaper mode.
    auto name = ChooseSaveName(Handle(), wallpaperForm ? kWallpaperSaveFilter : kPlaylistSaveFilter,
                               wallpaperForm ? "scfg" : "spls", OFN_HIDEREADONLY | OFN_PATHMUSTEXIST);
    if (!name) return;
    if (!wallpaperForm) {
        WinFileSystem().WriteLines(*name, playlist_->Entries());
        return;
    }
    const PlacementRect placement = WallpaperPlacement(peers_.WallpaperPlacement(Placement()));
    WinFileSystem().WriteLines(
        *name, BuildWallpaperPlaylist(placement, peers_.IntervalItem(), playlist_->Entries()));
    playlist_->SetWallpaperListFile(*name);
}

void TForm1::Button6Click() {
    Application::ProcessMessages();
    StartSaverDetached(ConfigureCommandLine(WinFileSystem().FullPath(peers_.CurrentSaver())));
}

void TForm1::Button7Click() { peers_.RunFullScreen(); }

void TForm1::Button8Click() {
    if (playlist_->AddWindowsAndSystem(WindowsFolder(), SystemFolders()) == 0)
        ShowNoticeBox("No screensavers were found in the Windows folder or in the system folders.");
}

void TForm1::Button9Click() { InstallSaver(Handle(), peers_.DisplayedSaver()); }

void TForm1::Button10Click() { CloseEmbeddedPlayers(GetDlgItem(Handle(), Button10)); }

void TForm1::Button12Click() {
    if (playlist_->WallpaperListFile().empty()) Button4Click(Button12);
    if (!playlist_->WallpaperListFile().empty()) OpenWallpaperFile(playlist_->WallpaperListFile());
}

void TForm1::Button13Click() {
    if (playlist_->WallpaperListFile().empty()) Button4Click(Button13);
    if (!playlist_->WallpaperListFile().empty()) AddToAutostart(Handle(), playlist_->WallpaperListFile());
}

void TForm1::Memo1DblClick() { SetHelpTextVisible(false); }

void TForm1::OnDrop(const std::vector<std::string>& paths) { playlist_->DropOnPlaylistWindow(paths); }

void TForm1::OnCommand(int id, int code) {
    if (id == PlaylistWindowId::ListBox1) {
        if (code == LBN_SELCHANGE && !dragging_) {
            playlist_->NoteUserSelection(ListBox1().Selected());
            ListBox1Click();
        }
        return;
    }
    if (code != BN_CLICKED) return;
    switch (id) {
    case Button1: Button1Click(false); break;
    case Button5: Button1Click(true); break;
    case Button2: Button2Click(); break;
    case Button3: playlist_->Clear(); break;
    case Button4:
    case Button11: Button4Click(id); break;
    case Button6: Button6Click(); break;
    case Button7: Button7Click(); break;
    case Button8: Button8Click(); break;
    case Button9: Button9Click(); break;
    case Button10: Button10Click(); break;
    case Button12: Button12Click(); break;
    case Button13: Button13Click(); break;
    case RadioButton1: placement_ = PlacementChoice::PlayerClientArea; break;
    case RadioButton2: placement_ = PlacementChoice::PlayerWindow; break;
    case RadioButton3: placement_ = PlacementChoice::WholeWorkarea; break;
    }
}

LRESULT TForm1::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (auto result = drops_.HandleMessage(msg, wParam, lParam)) return *result;
    switch (msg) {
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_TIMER:
        if (wParam == kRotationTimerId) {
            timer1_->Ticked();
            Timer1Timer();
        }
        return 0;
    case WM_SIZE: Layout(); return 0;
    case WM_DRAWITEM:
        if (wParam != PlaylistWindowId::ListBox1) break;
        DrawEntry(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_SHOWWINDOW:
        // The owner's minimise and restore hide and show it too, but leave it as open as it was,
        // also where the hide by the owner comes round again as a plain hide.
        if (lParam == SW_PARENTCLOSING) hiddenWithOwner_ = true;
        if (lParam == SW_PARENTOPENING) hiddenWithOwner_ = false;
        if (lParam == 0 && !hiddenWithOwner_) open_ = wParam != FALSE;
        if (wParam) FormShow();
        return Default(msg, wParam, lParam);
    case WM_CLOSE: FormClose(); return 0;
    case WM_WINDOWPOSCHANGING:
        SnapPositionRequest(DockRole::Playlist, peers_.DockingWindows(),
                            *reinterpret_cast<WINDOWPOS*>(lParam));
        return 0;
    case WM_DESTROY: drops_.Revoke(); return 0;
    }
    return Default(msg, wParam, lParam);
}

// ---- the list's own messages ----

// Keys reach the rules before the list moves its selection. A press selects at once, after
// the list has moved its selection to the entry under the pointer: the list reports that on the
// press on Windows but only on the release under Wine, and a drag takes the release. Only a move
// of a few pixels with the button held turns the press into a drag that reorders the playlist,
// and only a release over the list drops.
bool TForm1::OnListMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (msg) {
    case WM_KEYDOWN: ListBox1KeyDown(static_cast<unsigned>(wParam)); return false;
    case WM_MOUSEMOVE:
        if (!pressed_ || !(wParam & MK_LBUTTON)) return false;
        if (!dragging_ && (std::abs(at.x - dragStart_.x) >= kDragThreshold ||
                           std::abs(at.y - dragStart_.y) >= kDragThreshold))
            dragging_ = true;
        if (dragging_) {
            SetCursor(LoadCursor(nullptr, IsOverList(at) ? IDC_SIZENS : IDC_NO));
            SetDropLine(DropLineGap(DropTargetAt(at), playlist_->Selected(), static_cast<int>(playlist_->Count())));
        }
        return dragging_;  // while dragging, the list must not move its selection along
    case WM_CAPTURECHANGED: return dragging_;
    }
    return false;
}

void TForm1::ListBox1MouseDown(POINT at) {
    pressed_ = true;
    dragging_ = false;
    dragStart_ = at;
    const int pressed = ListBox1().Selected();
    if (pressed == playlist_->Selected()) return;
    playlist_->NoteUserSelection(pressed);
    ListBox1Click();
}

// The list has ended its own tracking of the button (a selection change it reports now is the
// press's, already applied); a drag then drops where it was released.
void TForm1::ListBox1MouseUp(POINT at) {
    pressed_ = false;
    if (!dragging_) return;
    dragging_ = false;
    SetDropLine(std::nullopt);
    if (const auto target = DropTargetAt(at)) ListBox1DragDrop(*target);
}

std::optional<int> TForm1::DropTargetAt(POINT at) const {
    const DWORD hit = ListBox1().ItemFromPoint(at);
    return DropTarget({IsOverList(at), HIWORD(hit) == 0, LOWORD(hit), ListBox1().TopIndex()});
}

// The drop line is painted over the rows, so the rows it leaves repaint themselves.
void TForm1::SetDropLine(std::optional<int> gap) {
    if (gap == dropLine_) return;
    const HWND list = ListBox1().Handle();
    RECT line = DropLineRect();
    InvalidateRect(list, &line, TRUE);
    dropLine_ = gap;
    line = DropLineRect();
    InvalidateRect(list, &line, TRUE);
}

// A bar across the list on the border between two rows, or under the last one.
RECT TForm1::DropLineRect() const {
    if (!dropLine_) return {};
    const HWND list = ListBox1().Handle();
    const int count = ListBox1().Count();
    const bool belowLast = *dropLine_ >= count;
    RECT row{};
    if (SendMessageW(list, LB_GETITEMRECT, belowLast ? count - 1 : *dropLine_, reinterpret_cast<LPARAM>(&row)) ==
        LB_ERR)
        return {};
    RECT client{};
    GetClientRect(list, &client);
    const int thickness = Scaled(kDropLineThickness);
    const LONG border = belowLast ? row.bottom : row.top;
    const LONG top = std::clamp<LONG>(border - thickness / 2, 0, std::max<LONG>(0, client.bottom - thickness));
    return {client.left, top, client.right, top + thickness};
}

void TForm1::PaintDropLine(HWND list) const {
    const PaintDc paint(list);
    DefSubclassProc(list, WM_PAINT, reinterpret_cast<WPARAM>(paint.Dc()), 0);
    const RECT line = DropLineRect();
    FillRect(paint.Dc(), &line, GetSysColorBrush(COLOR_WINDOWTEXT));
}

// The list draws no text of its own: each row shows its entry of the playlist.
void TForm1::DrawEntry(const DRAWITEMSTRUCT& row) const {
    const auto& entries = playlist_->Entries();
    const std::wstring text = row.itemID < entries.size() ? Wide(entries[row.itemID]) : std::wstring();
    DrawListRow(row, text);
}

// A typed character moves to the next entry whose file name starts with it.
void TForm1::ListBox1Char(wchar_t typed) {
    const auto& entries = playlist_->Entries();
    const int row = RowForTypedCharacter(
        entries.size(), ListBox1().Caret(), [&](std::size_t i) { return std::string_view(entries[i]); },
        [&](std::string_view text) { return StartsWithTyped(text, typed); });
    if (row < 0) return;
    ListBox1().Select(row);
    OnCommand(PlaylistWindowId::ListBox1, LBN_SELCHANGE);
}

bool TForm1::IsOverList(POINT at) const {
    RECT client{};
    GetClientRect(ListBox1().Handle(), &client);
    return PtInRect(&client, at) != FALSE;
}

LRESULT CALLBACK TForm1::ListProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR self) {
    TForm1& form = *reinterpret_cast<TForm1*>(self);
    const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: {
        // The list ends a drag where it began, so its own handling of the release keeps the
        // pressed entry selected.
        const LPARAM listPoint =
            msg == WM_LBUTTONUP && form.dragging_ ? MAKELPARAM(form.dragStart_.x, form.dragStart_.y) : lParam;
        const LRESULT result = DefSubclassProc(hwnd, msg, wParam, listPoint);
        Guarded([&] { msg == WM_LBUTTONDOWN ? form.ListBox1MouseDown(at) : form.ListBox1MouseUp(at); });
        return result;
    }
    case WM_CHAR: Guarded([&] { form.ListBox1Char(static_cast<wchar_t>(wParam)); }); return 0;
    case WM_PAINT:
        if (!form.dropLine_) break;
        Guarded([&] { form.PaintDropLine(hwnd); });
        return 0;
    case WM_GETOBJECT: {
        std::optional<LRESULT> answer;
        GuardedQuietly("answering an accessibility client",
                       [&] { answer = form.listAccessibility_.Answer(hwnd, wParam, lParam); });
        if (answer) return *answer;
        break;
    }
    }
    bool consumed = false;
    Guarded([&] { consumed = form.OnListMessage(msg, wParam, lParam); });
    return consumed ? 0 : DefSubclassProc(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK TForm1::MemoProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR self) {
    switch (msg) {
    case WM_LBUTTONDBLCLK: Guarded([&] { reinterpret_cast<TForm1*>(self)->Memo1DblClick(); }); return 0;
    case WM_GETDLGCODE: return WithoutDialogKeys(DefSubclassProc(hwnd, msg, wParam, lParam));
    }
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

// ---- the list box follows the playlist ----

void TForm1::EntriesAppended(std::size_t) { ListBox1().SetCount(playlist_->Count()); }
// One entry goes by itself; a run of them is a refill, which starts the list afresh at its top
// with nothing selected, as shrinking a list's count does on Windows.
void TForm1::EntriesRemoved(std::size_t first, std::size_t count) {
    if (count == 1) {
        ListBox1().Remove(static_cast<int>(first));
        return;
    }
    ListBox1().Clear();
    ListBox1().SetCount(playlist_->Count());
}
void TForm1::EntryMoved(std::size_t from, std::size_t to) {
    ListBox1().Remove(static_cast<int>(from));
    ListBox1().InsertRow(static_cast<int>(to));
}
void TForm1::EntriesCleared() { ListBox1().Clear(); }
void TForm1::SelectionChanged(int index) { ListBox1().Select(index); }

ListBox TForm1::ListBox1() const { return ListBox(Handle(), PlaylistWindowId::ListBox1); }

}  // namespace vr
