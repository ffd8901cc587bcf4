#include "hosting/HostWindow_win.h"

#include <shellapi.h>

#include "app/Program_win.h"
#include "docking/WindowDocking_win.h"
#include "hosting/HostWindowIds.h"
#include "hosting/SaverCommand.h"
#include "hosting/SaverProcess_win.h"
#include "hosting/Wallpaper_win.h"
#include "platform/Application_win.h"
#include "platform/Drop_win.h"
#include "platform/Handles_win.h"
#include "player/PlayerBar_win.h"
#include "playlist/PlaylistWindow_win.h"

namespace vr {
namespace {

constexpr UINT_PTR kStartTimerId = 1;
constexpr unsigned kFirstStartDelayMs = 2000;
constexpr unsigned kRestartDelayMs = 500;
const COLORREF kPaneGreen = RGB(0, 128, 0);
const char* const kPaneClass = "TfrmSVDActivePane";

HBRUSH PaneBrush() {
    static OwnedBrush brush(CreateSolidBrush(kPaneGreen));
    return brush.Get();
}

void RegisterPaneClass() {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = PaneBrush();
    wc.lpszClassName = kPaneClass;
    RegisterClassExA(&wc);
}

BOOL CALLBACK PostQuitTo(HWND hwnd, LPARAM) {
    PostMessageA(hwnd, WM_QUIT, 0, 0);
    return TRUE;
}

}  // namespace

void TfrmSVDActive::CreateHidden(HWND owner, bool wallpaperMode) {
    const DWORD normalStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX |
                              WS_CLIPCHILDREN;
    HostCreation creation = WallpaperHostCreation(normalStyle, owner, wallpaperMode);
    WindowSpec params;
    params.style = creation.style;
    params.exStyle = WS_EX_TOPMOST;
    params.caption = "Quillion's Veilrunner";
    params.left = 393;
    params.top = 262;
    params.width = 420;
    params.height = 291;
    params.parent = creation.parent;
    Create({.className = kHostWindowClass}, params);
    timer1_ = std::make_unique<EventTimer>(Handle(), kStartTimerId, kFirstStartDelayMs);

    RegisterPaneClass();
    SIZE client = ClientSize();
    p1_ = CreateWindowExA(0, kPaneClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, client.cx,
                          client.cy, Handle(), reinterpret_cast<HMENU>(HostWindowId::p1),
                          GetModuleHandleA(nullptr), nullptr);
    lastClientSize_ = client;
    DragAcceptFiles(Handle(), TRUE);
}

void TfrmSVDActive::PostQuitToPreviews() { EnumChildWindows(p1_, PostQuitTo, 0); }

void TfrmSVDActive::StopPreviews() {
    PostQuitToPreviews();
    Application::ProcessMessages();
}

void TfrmSVDActive::SetClientWidth(int width) { SetClientSize(width, ClientSize().cy); }

void TfrmSVDActive::SetClientHeight(int height) { SetClientSize(ClientSize().cx, height); }

void TfrmSVDActive::Nudge(int dx, int dy) {
    POINT p = Position();
    if (dx) SetLeft(p.x + dx);
    if (dy) SetTop(p.y + dy);
}

void TfrmSVDActive::Timer1Timer() {
    Program& program = TheProgram();
    if (program.playerBar->FWallpaperMode) ShowWindow(program.playerBar->Handle(), SW_HIDE);
    StopPreviews();
    StartSaverDetached(PreviewCommandLine(program.playerBar->FSaverFile, reinterpret_cast<std::uintptr_t>(p1_)));
    Timer1().SetEnabled(false);
    SIZE client = ClientSize();
    program.playerBar->ShowPaneSize(client.cx, client.cy);
}

void TfrmSVDActive::FormResize() {
    Timer1().SetEnabled(false);
    Timer1().SetInterval(kRestartDelayMs);
    Timer1().SetEnabled(true);
}

void TfrmSVDActive::FormClose() {
    PostQuitToPreviews();
    Timer1().SetEnabled(false);
    Application::ProcessMessages();
    // The player bar is the main window: closing it ends the program.
    if (TfrmSVDOptions* bar = TheProgram().playerBar) SendMessageA(bar->Handle(), WM_CLOSE, 0, 0);
}

void TfrmSVDActive::OnDrop(const std::vector<std::string>& paths) {
    TheProgram().playlist->DropOnPlayer(paths);
}

LRESULT TfrmSVDActive::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (auto result = HandleDropMessage(Handle(), msg, wParam, lParam, [this](const auto& paths) { OnDrop(paths); }))
        return *result;
    switch (msg) {
    case WM_TIMER:
        if (wParam == kStartTimerId) Timer1Timer();
        return 0;
    case WM_SIZE: {
        SIZE client{LOWORD(lParam), HIWORD(lParam)};
        if (p1_) MoveWindow(p1_, 0, 0, client.cx, client.cy, TRUE);
        bool changed = client.cx != lastClientSize_.cx || client.cy != lastClientSize_.cy;
        lastClientSize_ = client;
        if (changed && timer1_) FormResize();
        return Default(msg, wParam, lParam);
    }
    case WM_SHOWWINDOW:
        if (!wParam) StopPreviews();
        return Default(msg, wParam, lParam);
    case WM_CLOSE:
        FormClose();
        return 0;
    case WM_WINDOWPOSCHANGING:
        SnapPositionRequest(DockRole::Host, TheProgram().playerBar->DockingWindows(),
                            *reinterpret_cast<WINDOWPOS*>(lParam));
        return 0;
    case WM_DESTROY:
        DragAcceptFiles(Handle(), FALSE);
        return 0;
    }
    return Default(msg, wParam, lParam);
}

}  // namespace vr
