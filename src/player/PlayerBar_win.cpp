#include "player/PlayerBar_win.h"

#include <shellapi.h>

#include <array>

#include "about/AboutWindow_win.h"
#include "about/Banner_win.h"
#include "app/CommandLine.h"
#include "app/Program_win.h"
#include "hosting/HostWindow_win.h"
#include "hosting/SaverCommand.h"
#include "platform/Application_win.h"
#include "platform/Drop_win.h"
#include "platform/FileSystem_win.h"
#include "platform/Shell_win.h"
#include "player/Choices.h"
#include "player/PlayerBarIds.h"
#include "player/Settings.h"
#include "playlist/PlaylistWindow_win.h"
#include "files/TypeKey.h"

namespace vr {
namespace {

constexpr int kClientWidth = 476;
constexpr int kClientHeight = 44;
constexpr int kNudgeStep = 5;
constexpr DWORD kButton = BS_PUSHBUTTON;

const std::array<ControlSpec, 10> kControls{{
    {PlayerBarId::TimeCombo, WC_COMBOBOXA, "", 101, 11, 133, 300, WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST},
    {PlayerBarId::ResolutionCombo, WC_COMBOBOXA, "", 237, 11, 93, 300, WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST},
    {PlayerBarId::Button7, WC_BUTTONA, "Playlist...", 335, 8, 65, 25, WS_VISIBLE | WS_TABSTOP | kButton},
    {PlayerBarId::Button1, WC_BUTTONA, "About...", 406, 8, 65, 25, WS_VISIBLE | WS_TABSTOP | kButton},
    {PlayerBarId::Image12, WC_STATICA, "", 7, 7, 88, 31, WS_VISIBLE | SS_BITMAP | SS_NOTIFY},
    {PlayerBarId::Button3, WC_BUTTONA, "<", 13, 10, 12, 25, kButton},
    {PlayerBarId::Button4, WC_BUTTONA, "/\\", 29, 10, 44, 10, kButton},
    {PlayerBarId::Button5, WC_BUTTONA, "v", 29, 25, 44, 10, kButton},
    {PlayerBarId::Button2, WC_BUTTONA, ">", 77, 10, 12, 25, kButton},
    {PlayerBarId::label2, WC_EDITA, "", 8, 10, 353, 21, ES_READONLY | ES_AUTOHSCROLL},
}};

}  // namespace

void TfrmSVDOptions::CreateHidden(HWND applicationWindow) {
    WindowSpec params;
    params.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    params.exStyle = WS_EX_CONTROLPARENT;
    params.caption = "Quillion's Veilrunner";
    params.parent = applicationWindow;
    RECT outer{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&outer, params.style, FALSE, params.exStyle);
    params.width = outer.right - outer.left;
    params.height = outer.bottom - outer.top;
    Create({.className = "TfrmSVDOptions"}, params);
    CreateControls(Handle(), kControls, DefaultFont());

    for (const IntervalChoice& choice : kIntervalChoices) TimeCombo().Add(choice.caption);
    TimeCombo().SetVisibleRows(19);
    for (const SizeChoice& choice : kSizeChoices) ResolutionCombo().Add(choice.caption);
    ResolutionCombo().SetVisibleRows(9);
    banner_ = OwnedBitmap(LoadBannerBitmap());
    SendDlgItemMessageA(Handle(), PlayerBarId::Image12, STM_SETIMAGE, IMAGE_BITMAP,
                        reinterpret_cast<LPARAM>(banner_.Get()));

    // FormCreate
    DragAcceptFiles(Handle(), TRUE);
    FWallpaperMode = false;
}

void TfrmSVDOptions::ShowAndStart() {
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    FormShow();
}

PlayerWindows TfrmSVDOptions::DockingWindows() {
    Program& program = TheProgram();
    return {Handle(), program.host ? program.host->Handle() : nullptr,
            program.playlist ? program.playlist->Handle() : nullptr, &docking, FWallpaperMode};
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

void TfrmSVDOptions::FormShow() {
    Guarded([&] {
        StartupInput input{ProgramFolder(), FirstArgument(GetCommandLineA()), FWallpaperMode};
        RunStartupSequence(input, *this, WinFileSystem(), TheProgram().playlist->Model(), ListBox1);
    });
}

void TfrmSVDOptions::SaveSettingsNow() {
    Program& program = TheProgram();
    TfrmSVDActive& host = *program.host;
    TForm1& playlist = *program.playlist;
    auto place = [](const Window& w) {
        POINT p = w.Position();
        SIZE c = w.ClientSize();
        return WindowPlace{p.x, p.y, c.cx, c.cy};
    };
    ConfigSnapshot snapshot;
    snapshot.saverFile = FSaverFile;
    snapshot.host = place(host);
    POINT bar = Position();
    snapshot.playerBarLeft = bar.x;
    snapshot.playerBarTop = bar.y;
    snapshot.playlistWindowVisible = playlist.IsVisible();
    snapshot.playlistWindow = place(playlist);
    snapshot.selectedEntry = playlist.Model().Selected();
    snapshot.intervalItem = IntervalItem();
    snapshot.helpTextVisible = playlist.HelpTextVisible();
    snapshot.hostMaximized = host.IsMaximized();
    snapshot.placement = playlist.Placement();
    SaveSettings(WinFileSystem(), ProgramFolder(), snapshot, playlist.Model().Entries());
}

void TfrmSVDOptions::FormClose() {
    // Closing always succeeds: nothing that goes wrong while saving may keep the program open.
    try {
        if (!FWallpaperMode) SaveSettingsNow();
        if (TfrmSVDActive* host = TheProgram().host) host->StopPreviews();
    } catch (...) {
    }
}

void TfrmSVDOptions::TimeComboChange() {
    if (auto interval = IntervalOfItem(TimeCombo().Selected()))
        TheProgram().playlist->RotationInterval(*interval);
    TheProgram().playlist->ListBox1Click();
}

void TfrmSVDOptions::ResolutionComboChange() {
    if (auto size = SizeOfItem(ResolutionCombo().Selected())) {
        TheProgram().host->SetClientWidth(size->width);
        TheProgram().host->SetClientHeight(size->height);
    }
}

void TfrmSVDOptions::Image12Click() {
    ShellExecuteA(Handle(), "open", kBannerPageUrl, nullptr, nullptr, SW_SHOW);
    Control(Handle(), PlayerBarId::Image12).Show(false);
    for (int id : {PlayerBarId::Button3, PlayerBarId::Button4, PlayerBarId::Button5, PlayerBarId::Button2})
        Control(Handle(), id).Show(true);
}

void TfrmSVDOptions::label2Change() {
    TheProgram().playlist->SetSaverButtonsEnabled(OffersSaverCommands(label2().Text()));
}

void TfrmSVDOptions::OnDrop(const std::vector<std::string>& paths) { TheProgram().playlist->DropOnPlayer(paths); }

void TfrmSVDOptions::OnCommand(int id, int code) {
    TfrmSVDActive* host = TheProgram().host;
    switch (id) {
    case PlayerBarId::TimeCombo: if (code == CBN_SELCHANGE) TimeComboChange(); break;
    case PlayerBarId::ResolutionCombo: if (code == CBN_SELCHANGE) ResolutionComboChange(); break;
    case PlayerBarId::Image12: if (code == STN_CLICKED) Image12Click(); break;
    case PlayerBarId::label2: if (code == EN_CHANGE) label2Change(); break;
    case PlayerBarId::Button7: TheProgram().playlist->ShowInFront(); break;
    case PlayerBarId::Button1: TheProgram().about->ShowAbout(); break;
    case PlayerBarId::Button3: host->Nudge(-kNudgeStep, 0); break;
    case PlayerBarId::Button2: host->Nudge(kNudgeStep, 0); break;
    case PlayerBarId::Button4: host->Nudge(0, -kNudgeStep); break;
    case PlayerBarId::Button5: host->Nudge(0, kNudgeStep); break;
    }
}

LRESULT TfrmSVDOptions::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (auto result = HandleDropMessage(Handle(), msg, wParam, lParam, [this](const auto& paths) { OnDrop(paths); }))
        return *result;
    switch (msg) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == GetDlgItem(Handle(), PlayerBarId::Image12)) {
            SetCursor(LoadCursor(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    case WM_SYSCOMMAND:
        // Minimising goes through the application window, which hides all the windows it owns.
        if ((wParam & 0xFFF0) == SC_MINIMIZE) {
            ShowWindow(Application::Handle(), SW_MINIMIZE);
            return 0;
        }
        break;
    case WM_CLOSE:
        FormClose();
        DestroyWindow(Handle());
        return 0;
    case WM_DESTROY:
        DragAcceptFiles(Handle(), FALSE);
        PostQuitMessage(0);
        return 0;
    case WM_WINDOWPOSCHANGING:
        SnapPositionRequest(DockRole::PlayerBar, DockingWindows(), *reinterpret_cast<WINDOWPOS*>(lParam));
        return 0;
    case WM_ENTERSIZEMOVE:
        Default(msg, wParam, lParam);
        BeginCarry(DockingWindows());
        return 0;
    case WM_MOVE:
        Default(msg, wParam, lParam);
        CarryDocked(DockingWindows());
        return 0;
    case WM_EXITSIZEMOVE:
        Default(msg, wParam, lParam);
        EndCarry(DockingWindows());
        return 0;
    }
    return Default(msg, wParam, lParam);
}

// ---- the start-up sequence's view of the windows ----

void TfrmSVDOptions::SetHost(Geometry what, int value) {
    TfrmSVDActive& host = *TheProgram().host;
    switch (what) {
    case Geometry::Left: host.SetLeft(value); break;
    case Geometry::Top: host.SetTop(value); break;
    case Geometry::ClientWidth: host.SetClientWidth(value); break;
    case Geometry::ClientHeight: host.SetClientHeight(value); break;
    }
}

void TfrmSVDOptions::SetPlayerBar(Geometry what, int value) {
    if (what == Geometry::Left) SetLeft(value);
    if (what == Geometry::Top) SetTop(value);
}

void TfrmSVDOptions::SetPlaylistWindow(Geometry what, int value) {
    TForm1& playlist = *TheProgram().playlist;
    SIZE client = playlist.ClientSize();
    switch (what) {
    case Geometry::Left: playlist.SetLeft(value); break;
    case Geometry::Top: playlist.SetTop(value); break;
    case Geometry::ClientWidth: playlist.SetClientSize(value, client.cy); break;
    case Geometry::ClientHeight: playlist.SetClientSize(client.cx, value); break;
    }
}

void TfrmSVDOptions::SelectInterval(int itemIndex) {
    TimeCombo().Select(itemIndex >= 0 && itemIndex < TimeCombo().Count() ? itemIndex : -1);
    TimeComboChange();
}

void TfrmSVDOptions::SyncSaverDisplay() {
    ShowSaver(FSaverFile);
    SetHostCaption(SaverTitle(label2().Text()));
    FSaverFile = label2().Text();
}

void TfrmSVDOptions::ShowPlaylistWindowFocused() { TheProgram().playlist->ShowWithListFocused(); }

void TfrmSVDOptions::ShowHelpText(bool visible) { TheProgram().playlist->SetHelpTextVisible(visible); }

bool TfrmSVDOptions::HostVisible() { return TheProgram().host->IsVisible(); }

void TfrmSVDOptions::ShowHost() {
    HWND host = TheProgram().host->Handle();
    ShowWindow(host, SW_SHOW);
    BringWindowToTop(host);
}

void TfrmSVDOptions::SetHostCaption(const std::string& caption) {
    SetWindowTextA(TheProgram().host->Handle(), caption.c_str());
}

void TfrmSVDOptions::HideApplicationWindow() { ShowWindow(GetWindow(Handle(), GW_OWNER), SW_HIDE); }

void TfrmSVDOptions::MaximizeHost() { ShowWindow(TheProgram().host->Handle(), SW_MAXIMIZE); }

void TfrmSVDOptions::SetPlacementChoice(PlacementChoice choice) { TheProgram().playlist->SetPlacement(choice); }

std::string TfrmSVDOptions::WindowsFolder() { return vr::WindowsFolder(); }

std::string TfrmSVDOptions::SystemFolder() { return vr::SystemFolder(); }

ComboBox TfrmSVDOptions::TimeCombo() const { return ComboBox(Handle(), PlayerBarId::TimeCombo); }
ComboBox TfrmSVDOptions::ResolutionCombo() const { return ComboBox(Handle(), PlayerBarId::ResolutionCombo); }
Button TfrmSVDOptions::Button7() const { return Button(Handle(), PlayerBarId::Button7); }
Button TfrmSVDOptions::Button1() const { return Button(Handle(), PlayerBarId::Button1); }
Control TfrmSVDOptions::label2() const { return Control(Handle(), PlayerBarId::label2); }

}  // namespace vr
