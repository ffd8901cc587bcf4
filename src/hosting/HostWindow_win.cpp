#include "hosting/HostWindow_win.h"

#include <shellapi.h>

#include <optional>

#include "hosting/HostWindowIds.h"
#include "hosting/SaverCommand.h"
#include "hosting/Wallpaper_win.h"
#include "platform/Application_win.h"
#include "platform/Dpi_win.h"
#include "platform/Drop_win.h"
#include "platform/FileSystem_win.h"
#include "platform/FreedWindows_win.h"
#include "platform/Handles_win.h"
#include "platform/ProgramName.h"

namespace vr {
namespace {

constexpr UINT_PTR kStartTimerId = 1;
constexpr UINT_PTR kCustodyTimerId = 2;
constexpr unsigned kCustodyCheckMs = 100;
constexpr UINT_PTR kCoverTimerId = 3;
constexpr unsigned kCoverCheckMs = 250;
constexpr unsigned kFirstStartDelayMs = 2000;
constexpr unsigned kRestartDelayMs = 500;
const char* const kPaneClass = "TfrmSVDActivePane";

HBRUSH PaneBrush() {
    static OwnedBrush brush(CreateSolidBrush(kPaneColour));
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

// A screen point in the coordinates the window's left and top are set in.
POINT InPlacingCoordinates(HWND window, POINT screen) {
    if (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) ScreenToClient(GetParent(window), &screen);
    return screen;
}

}  // namespace

void TfrmSVDActive::CreateHidden(HWND owner, bool wallpaperMode) {
    owner_ = owner;
    wallpaperMode_ = wallpaperMode;
    const DWORD normalStyle =
        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CLIPCHILDREN;
    HostCreation creation = WallpaperHostCreation(normalStyle, owner, wallpaperMode);
    WindowSpec params;
    params.style = creation.style;
    params.exStyle = WS_EX_TOPMOST;
    params.caption = kProgramName;
    params.left = 393;
    params.top = 262;
    params.width = 420;
    params.height = 291;
    params.parent = creation.parent;
    // A child of the desktop's icon view, another program's window, is made in that window's
    // DPI awareness, which the pane then shares.
    std::optional<DpiAwarenessOf> asTheDesktop;
    if (creation.style & WS_CHILD) asTheDesktop.emplace(creation.parent);
    Create({.className = kHostWindowClass}, params);
    home_ = GetAncestor(Handle(), GA_PARENT);
    timer1_ = std::make_unique<EventTimer>(Handle(), kStartTimerId, kFirstStartDelayMs);
    custodyTimer_ = std::make_unique<EventTimer>(Handle(), kCustodyTimerId, kCustodyCheckMs);
    custodyTimer_->SetEnabled(custody_.Any());
    coverTimer_ = std::make_unique<EventTimer>(Handle(), kCoverTimerId, kCoverCheckMs);
    coverTimer_->SetEnabled(true);
    reports_.Register(Handle());

    RegisterPaneClass();
    CreatePane();
    RememberPlace();
    drops_.Register(Handle(), [this](const auto& paths) { OnDrop(paths); });
}

// The pane has no state of its own: a new one is the same as the first.
void TfrmSVDActive::CreatePane() {
    const SIZE client = ClientSize();
    // Only around the pane's making, as the system advises: our other windows keep the default.
    const MixedDpiHosting saversOfAnyAwareness;
    p1_ = CreateWindowExA(0, kPaneClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, client.cx,
                          client.cy, Handle(), reinterpret_cast<HMENU>(HostWindowId::p1),
                          GetModuleHandleA(nullptr), nullptr);
    lastClientSize_ = client;
}

// A saver holds the pane's handle and may move the pane into a window of its own, which takes it
// along when it ends. The preview that played in it is stopped, and a new pane takes its place
// for the next start. The old one is left to the window that holds it: destroying it would wait
// on the saver's windows inside it.
void TfrmSVDActive::CheckPane() {
    if (IsWindow(p1_) && GetAncestor(p1_, GA_PARENT) == Handle()) return;
    StopPreviews();
    CreatePane();
}

// Taken into another window, the host stands in that window's coordinates: those are no place of
// its own to keep.
bool TfrmSVDActive::AtHome() const { return Exists() && GetAncestor(Handle(), GA_PARENT) == home_; }

void TfrmSVDActive::RememberPlace() {
    if (!AtHome() || IsIconic(Handle())) return;
    const POINT at = Position();
    const SIZE client = ClientSize();
    lastPlace_ = {at.x, at.y, client.cx, client.cy, IsMaximized()};
}

HostPlace TfrmSVDActive::Place() const {
    if (!AtHome()) return lastPlace_;
    const POINT at = Position();
    const SIZE client = ClientSize();
    return {at.x, at.y, client.cx, client.cy, IsMaximized()};
}

void TfrmSVDActive::SetCaption(const std::string& caption) {
    caption_ = caption;
    Control(Handle()).SetText(caption);
}

void TfrmSVDActive::Rebuild() {
    const HostPlace place = lastPlace_;
    CreateHidden(owner_, wallpaperMode_);
    SetCaption(caption_);
    // The place it stood in was snapped when it was reached; snapping it again could move it.
    puttingBack_ = true;
    SetWindowPos(Handle(), nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetClientSize(place.clientWidth, place.clientHeight);
    if (place.maximized) ShowWindow(Handle(), SW_MAXIMIZE);
    puttingBack_ = false;
    ShowInFront();
    // Not a new selection: a screensaver that failed stays failed.
    Timer1().SetEnabled(true);
}

void TfrmSVDActive::RequestPreviewStart() {
    failedSaver_.reset();
    Timer1().SetEnabled(true);
}

void TfrmSVDActive::PostQuitToPreviews() { PostQuitToWindowsIn(p1_); }

void TfrmSVDActive::StopPreviews() {
    PostQuitToPreviews();
    custody_.StopAll();
    if (custodyTimer_) custodyTimer_->SetEnabled(custody_.Any());
    Application::ProcessMessages();
}

void TfrmSVDActive::EndPreviews() {
    closing_ = true;
    StopPreviews();
    custody_.EndAll();
    custodyTimer_->SetEnabled(false);
}

bool TfrmSVDActive::PaneIsSeen() const {
    RECT pane{};
    GetClientRect(p1_, &pane);
    return !IsIconic(Handle()) && pane.right > 0 && pane.bottom > 0;
}

// A preview that hangs counts as a failed start: the pane shows green, and that screensaver is
// not started again until another start is asked for (no restart loop). A saver may disable the
// player's windows, or show a box owned by one and end under it: once a preview has ended, they
// are enabled again.
void TfrmSVDActive::CheckCustody() {
    const bool hung = custody_.AskAndEndHung(p1_);
    if (hung) failedSaver_ = startedSaver_;
    if (custody_.Sweep() || hung) EnableFreedWindows();
    if (!custody_.Any()) custodyTimer_->SetEnabled(false);
}

// A preview runs code of its own with the pane's handle and may do to the player's windows what
// any process can; what it did is undone at every look, not only once it has ended. While one
// plays, windows no dialog of ours holds are enabled again, so the player can always be closed; a
// host hidden while the user has not minimised it is shown again, and plays again.
void TfrmSVDActive::UndoWhatOthersDid() {
    if (closing_) return;
    if (custody_.Any()) EnableFreedWindows();
    const bool hidden = !(GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_VISIBLE);
    if (hidden && shown_ && !visibility_.MinimisedByUser()) {
        ShowInFront();
        Timer1().SetEnabled(true);
    }
}

// The size and the visibility of the host are the user's and the program's: a request from
// another thread (a preview's process, sending to this one) to resize or hide it is refused, so it
// neither changes the place that is saved nor holds back the next start, which each resize would.
void TfrmSVDActive::RefuseForeignChange(WINDOWPOS& request) const {
    if (!SentFromOutside() || closing_) return;
    request.flags |= SWP_NOSIZE;
    request.flags &= ~SWP_HIDEWINDOW;
}

void TfrmSVDActive::SetScreenLeft(int left) { SetLeft(InPlacingCoordinates(Handle(), {left, 0}).x); }

void TfrmSVDActive::SetScreenTop(int top) { SetTop(InPlacingCoordinates(Handle(), {0, top}).y); }

void TfrmSVDActive::SetClientWidth(int width) { SetClientSize(width, ClientSize().cy); }

void TfrmSVDActive::SetClientHeight(int height) { SetClientSize(ClientSize().cx, height); }

void TfrmSVDActive::Nudge(int dx, int dy) {
    POINT p = Position();
    if (dx) SetLeft(p.x + dx);
    if (dy) SetTop(p.y + dy);
}

// Shown without taking the activation: the start-up leaves the keyboard with the player bar or
// the playlist window, and a host made again takes it from no one.
void TfrmSVDActive::ShowInFront() {
    shown_ = true;
    ShowWindow(Handle(), SW_SHOWNA);
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TfrmSVDActive::RestartPreview() {
    SetClientWidth(ClientSize().cx - 1);
    SetClientWidth(ClientSize().cx + 1);
}

PlacementSource TfrmSVDActive::PlacementFor(PlacementChoice choice) const {
    PlacementSource source;
    source.choice = choice;
    POINT origin{0, 0};
    ClientToScreen(Handle(), &origin);
    const SIZE client = ClientSize();
    const RECT outer = WindowRect();
    source.hostClientScreenX = origin.x;
    source.hostClientScreenY = origin.y;
    source.hostClientWidth = client.cx;
    source.hostClientHeight = client.cy;
    source.hostWindow = {outer.left, outer.top, outer.right, outer.bottom};
    if (const auto framed = FramedWindowOf(Handle())) source.hostBorders = framed->insets;
    source.hostMaximized = IsMaximized();
    if (auto progman = ProgramManagerRect())
        source.programManager = ScreenRect{progman->left, progman->top, progman->right, progman->bottom};
    return source;
}

void TfrmSVDActive::Timer1Timer() {
    Timer1().SetEnabled(false);
    // The closing path handles waiting messages, this timer's among them: a preview started
    // then would flash up while the player goes.
    if (closing_) return;
    peers_.PreviewStarting();
    CheckPane();
    StopPreviews();
    // A minimised window has a pane of no size: savers would draw nowhere, and some divide by
    // it. The restore resizes the pane, which starts the preview again; so does the end of
    // whatever else hid it from everybody.
    if (!PaneIsSeen() || !visibility_.Seen()) return;
    const std::string saver = peers_.CurrentSaver();
    if (saver != failedSaver_) {
        custody_.Start(
            PreviewCommandLine(WinFileSystem().FullPath(saver), reinterpret_cast<std::uintptr_t>(p1_)));
        startedSaver_ = saver;
        custodyTimer_->SetEnabled(custody_.Any());
    }
    const SIZE client = ClientSize();
    peers_.PreviewStarted(client.cx, client.cy);
}

void TfrmSVDActive::VisibilityChanged(PaneVisibility::Change change) {
    if (change == PaneVisibility::Change::None) return;
    const bool seen = change == PaneVisibility::Change::Seen;
    if (seen) {
        FormResize();
    } else {
        Timer1().SetEnabled(false);
        StopPreviews();
    }
    peers_.PaneSeen(seen);
}

void TfrmSVDActive::FormResize() {
    Timer1().SetEnabled(false);
    Timer1().SetInterval(kRestartDelayMs);
    Timer1().SetEnabled(true);
}

void TfrmSVDActive::FormClose() {
    closing_ = true;
    PostQuitToPreviews();
    Timer1().SetEnabled(false);
    Application::ProcessMessages();
    peers_.CloseProgram();
}

void TfrmSVDActive::OnDrop(const std::vector<std::string>& paths) { peers_.DropOnPlayer(paths); }

LRESULT TfrmSVDActive::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (auto result = drops_.HandleMessage(msg, wParam, lParam)) return *result;
    if (auto change = reports_.OnMessage(visibility_, msg, wParam)) {
        VisibilityChanged(*change);
        return 0;
    }
    switch (msg) {
    case WM_TIMER:
        if (wParam == kStartTimerId) Timer1Timer();
        if (wParam == kCustodyTimerId) CheckCustody();
        if (wParam == kCoverTimerId) {
            UndoWhatOthersDid();
            CheckPane();
            VisibilityChanged(visibility_.Covered(PaneCovered(LookOverPane(p1_, custody_.ProcessIds()))));
        }
        return 0;
    case WM_SIZE: {
        SIZE client{LOWORD(lParam), HIWORD(lParam)};
        if (IsChild(Handle(), p1_)) MoveWindow(p1_, 0, 0, client.cx, client.cy, TRUE);
        RememberPlace();
        bool changed = client.cx != lastClientSize_.cx || client.cy != lastClientSize_.cy;
        lastClientSize_ = client;
        if (changed && timer1_) FormResize();
        if (wParam == SIZE_MINIMIZED || wParam == SIZE_RESTORED || wParam == SIZE_MAXIMIZED)
            VisibilityChanged(visibility_.Minimised(wParam == SIZE_MINIMIZED));
        return Default(msg, wParam, lParam);
    }
    case WM_SHOWWINDOW:
        // Hidden with a minimised owner, it plays again on the restore; any other hide of the
        // program's stops the preview, and showing it again starts none. Another thread's hide is
        // refused.
        if (lParam == SW_PARENTCLOSING || lParam == SW_PARENTOPENING)
            VisibilityChanged(visibility_.Minimised(lParam == SW_PARENTCLOSING));
        else if (!wParam && !SentFromOutside())
            StopPreviews();
        return Default(msg, wParam, lParam);
    // Power reports come by the system's callback: this message's pointer may come from anyone.
    case WM_POWERBROADCAST: return TRUE;
    case WM_MOVE: RememberPlace(); return Default(msg, wParam, lParam);
    case WM_CLOSE: FormClose(); return 0;
    case WM_WINDOWPOSCHANGING:
        RefuseForeignChange(*reinterpret_cast<WINDOWPOS*>(lParam));
        if (!puttingBack_)
            SnapPositionRequest(DockRole::Host, peers_.DockingWindows(),
                                *reinterpret_cast<WINDOWPOS*>(lParam));
        return 0;
    case WM_DESTROY:
        reports_.Unregister();
        drops_.Revoke();
        peers_.HostDestroyed();
        return 0;
    }
    return Default(msg, wParam, lParam);
}

}  // namespace vr
