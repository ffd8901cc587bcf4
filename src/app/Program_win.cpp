#include "app/Program_win.h"

#include <exception>

#include "app/CommandLine.h"
#include "app/SessionEnd.h"
#include "docking/DockRect_win.h"
#include "docking/OnScreen_win.h"
#include "files/TypeKey.h"
#include "hosting/AutostartShortcut_win.h"
#include "hosting/SaverCommand.h"
#include "hosting/SaverProcess_win.h"
#include "platform/Application_win.h"
#include "platform/Dpi_win.h"
#include "platform/FileSystem_win.h"
#include "platform/Shell_win.h"
#include "platform/Unicode_win.h"
#include "player/Settings.h"

namespace vr {

Program::Program(bool wallpaperMode)
    : FWallpaperMode(wallpaperMode),
      playerBar_(static_cast<PlayerBarPeers&>(*this)),
      host_(static_cast<HostWindowPeers&>(*this)),
      about_([this](bool visible) { playerBar_.SetAboutButtonVisible(visible); }),
      playlist_(static_cast<PlaylistWindowPeers&>(*this), static_cast<SaverDisplay&>(*this),
                playlistReader_) {
    // The start-up reads the saved playlist once the windows exist; a long one is read meanwhile.
    playlistReader_.ReadAhead(WinFileSystem().FullPath(ProgramFolder() + kSavedPlaylistFileName));
    // The bar is created first and is the main window; it carries the taskbar button, except in
    // desktop wallpaper mode, where only the embedded host is seen. The host window decides at its
    // creation whether it joins the desktop, so the mode is settled before.
    playerBar_.CreateHidden(Application::Handle(), !FWallpaperMode);
    Application::SetMainWindow(playerBar_.Handle());
    host_.CreateHidden(Application::Handle(), FWallpaperMode);
    about_.CreateHidden(Application::Handle());
    playlist_.CreateHidden(Application::Handle());
}

int Program::Run() {
    RegisterRestart();
    // The start-up sequence works on all four windows, so the bar is shown only now.
    playerBar_.ShowAndStart();
    return Application::Run();
}

// ---- shared by several windows ----

PlayerWindows Program::DockingWindows() {
    return {playerBar_.Handle(),
            host_.Handle(),
            playlist_.Handle(),
            &docking_,
            FWallpaperMode,
            !started_,
            startupFrames_ ? &*startupFrames_ : nullptr};
}

void Program::DropOnPlayer(const std::vector<std::string>& paths) { playlist_.Model().DropOnPlayer(paths); }

void Program::ProgramClosing() {
    // The session's end reaches every top-level window, and a closing may follow it.
    if (runEnded_) return;
    runEnded_ = true;
    // Closing always succeeds: nothing that goes wrong while saving may keep the program open.
    // A session that ends while the start-up still reads the playlist leaves the saved files as
    // they are: what the windows hold then is not the whole of it yet.
    GuardedQuietly("saving the settings", [&] {
        if (!FWallpaperMode && started_) closingSave_.Save(WinFileSystem(), ProgramFolder(), StateToSave());
    });
    // Whatever the previews do, closing ends them: a hung one would otherwise hold the host
    // window's destruction, which waits on the windows inside its pane.
    host_.EndPreviews();
}

void Program::SessionEnded(bool ending, bool closeApp) {
    const SessionEndStep step = StepAtSessionEnd(ending, closeApp);
    if (step == SessionEndStep::Nothing) return;
    // An autostart shortcut may have been made for this wallpaper since the start.
    RegisterRestart();
    ProgramClosing();
    // Posted: the end may come while a wait answers sent messages, under the handler that waits.
    if (step == SessionEndStep::SaveAndExit) PostMessageA(playerBar_.Handle(), WM_CLOSE, 0, 0);
}

// Brings the player back when Windows restarts it after an update, or at the next sign-in with
// "restart apps" on. A crash or a hang brings nothing back: the same fault would come again.
void Program::RegisterRestart() const {
    const std::string wallpaperPlaylist =
        FWallpaperMode ? WinFileSystem().FullPath(FirstArgument(Utf8(GetCommandLineW()))) : std::string();
    const bool startsAtSignIn = FWallpaperMode && HasAutostart(playerBar_.Handle(), wallpaperPlaylist);
    if (const auto arguments = RestartArguments(FWallpaperMode, wallpaperPlaylist, startsAtSignIn)) {
        RegisterApplicationRestart(Wide(*arguments).c_str(), RESTART_NO_CRASH | RESTART_NO_HANG);
    } else {
        UnregisterApplicationRestart();
    }
}

// The playlist as it stood before a command still reading: a save then writes nothing half read.
SavedState Program::StateToSave() {
    auto place = [](const Window& w) {
        const POINT p = w.Position();
        const SIZE c = w.ClientSize();
        return WindowPlace{p.x, p.y, c.cx, c.cy};
    };
    Playlist& list = playlist_.Model();
    SavedState state;
    ConfigSnapshot& snapshot = state.settings;
    snapshot.saverFile = FSaverFile;
    const HostPlace host = host_.Place();
    snapshot.host = {host.left, host.top, host.clientWidth, host.clientHeight};
    const POINT bar = playerBar_.Position();
    snapshot.playerBarLeft = bar.x;
    snapshot.playerBarTop = bar.y;
    snapshot.playlistWindowVisible = playlist_.Open();
    snapshot.playlistWindow = place(playlist_);
    snapshot.selectedEntry = list.CompleteSelection();
    snapshot.intervalItem = playerBar_.IntervalItem();
    snapshot.helpTextVisible = playlist_.HelpTextVisible();
    snapshot.hostMaximized = host.maximized;
    snapshot.placement = playlist_.Placement();
    snapshot.dpi = playerBar_.Dpi();
    snapshot.oneSaverAcrossMonitors = playerBar_.OneSaverAcrossMonitors();
    state.entries = &list.CompleteEntries();
    state.playlistRevision = list.CompleteRevision();
    return state;
}

// ---- the start-up sequence's view of the windows ----

void Program::RunStartup() {
    SavedFilesRead read;
    std::exception_ptr error;
    try {
        const StartupInput input{ProgramFolder(), FirstArgument(Utf8(GetCommandLineW())), FWallpaperMode};
        RunStartupSequence(input, *this, WinFileSystem(), playlist_.Model(), linesRead_, read);
    } catch (...) {
        error = std::current_exception();
    }
    startupFrames_.reset();
    playlistReader_.ForgetReadAhead();
    // Saved positions may name a monitor that is gone; the embedded host counts from the desktop.
    for (HWND window : {playerBar_.Handle(), playlist_.Handle()}) BringOnScreen(window);
    if (!(GetWindowLongPtrW(host_.Handle(), GWL_STYLE) & WS_CHILD)) BringOnScreen(host_.Handle());
    closingSave_.StartupEnded(read, StateToSave(), linesRead_);
    started_ = true;
    // Shown once the start is complete: closing while the box is up saves by the same rules.
    if (error) Guarded([&] { std::rethrow_exception(error); });
}

namespace {

// What the user will see of the window once its rectangle is `outer`, its borders as now.
std::optional<DockRect> FrameAt(HWND window, const DockRect& outer) {
    std::optional<FramedWindow> framed = FramedWindowOf(window);
    if (!framed) return std::nullopt;
    framed->window = outer;
    return framed->Frame();
}

// The window's place as it now stands, snapped; its size stays the one it is about to get.
void NotePlaced(std::optional<DockRect>& planned, HWND window) {
    const std::optional<FramedWindow> framed = FramedWindowOf(window);
    if (!planned || !framed) return;
    planned->left = framed->Frame().left;
    planned->top = framed->Frame().top;
}

}  // namespace

void Program::ExpectPlaces(const DockRect& host, const DockRect& playerBar, const DockRect& playlist) {
    startupFrames_ = PlayerRects{FrameAt(playerBar_.Handle(), playerBar), FrameAt(host_.Handle(), host),
                                 FrameAt(playlist_.Handle(), playlist)};
}

void Program::SetHost(Geometry what, int value) {
    switch (what) {
    case Geometry::Left: host_.SetScreenLeft(value); break;
    case Geometry::Top: host_.SetScreenTop(value); break;
    case Geometry::ClientWidth: host_.SetClientWidth(value); break;
    case Geometry::ClientHeight: host_.SetClientHeight(value); break;
    }
    // Where it stands now, snapped, is what the windows placed after it snap against.
    if (startupFrames_) NotePlaced(startupFrames_->host, host_.Handle());
}

void Program::SetPlayerBar(Geometry what, int value) {
    if (what == Geometry::Left) playerBar_.SetLeft(value);
    if (what == Geometry::Top) playerBar_.SetTop(value);
    if (startupFrames_) NotePlaced(startupFrames_->playerBar, playerBar_.Handle());
}

void Program::SetPlaylistWindow(Geometry what, int value) {
    const SIZE client = playlist_.ClientSize();
    switch (what) {
    case Geometry::Left: playlist_.SetLeft(value); break;
    case Geometry::Top: playlist_.SetTop(value); break;
    case Geometry::ClientWidth: playlist_.SetClientSize(value, client.cy); break;
    case Geometry::ClientHeight: playlist_.SetClientSize(client.cx, value); break;
    }
    if (startupFrames_) NotePlaced(startupFrames_->playlist, playlist_.Handle());
}

void Program::SyncSaverDisplay() {
    playerBar_.ShowSaver(FSaverFile);
    const std::string shown = playerBar_.DisplayedSaver();
    host_.SetCaption(SaverTitle(shown));
    FSaverFile = shown;
}

ScreenArea Program::ScreenAt(DockPoint point) {
    const MonitorAtPoint monitor = MonitorNear({point.x, point.y}, playerBar_.Handle());
    return {ToDockRect(monitor.area), monitor.dpi};
}

DockSize Program::OuterSize(DockRole window, DockSize client, int dpi) {
    const Window& w = window == DockRole::PlayerBar ? static_cast<const Window&>(playerBar_)
                      : window == DockRole::Host    ? static_cast<const Window&>(host_)
                                                    : static_cast<const Window&>(playlist_);
    const SIZE outer = w.OuterSizeFor({client.width, client.height}, dpi);
    return {outer.cx, outer.cy};
}

std::string Program::WindowsFolder() { return vr::WindowsFolder(); }

std::vector<std::string> Program::SystemFolders() { return vr::SystemFolders(); }

// ---- the player bar ----

void Program::IntervalChosen(std::optional<unsigned> milliseconds) {
    if (milliseconds) playlist_.RotationInterval(*milliseconds);
    playlist_.ListBox1Click();
}

// Veilrunner.scr beside the program plays the playlist the player saves; the system's dialog
// opens with it chosen.
void Program::UsePlaylistAsScreensaver() {
    Guarded([this] {
        // The display control panel takes a missing file without a word; a player copied
        // without it says so.
        const std::string saver = PlaylistSaverPath(ProgramFolder());
        if (!WinFileSystem().FileExists(saver)) ThrowOpenError(saver, ERROR_FILE_NOT_FOUND);
        InstallSaver(playerBar_.Handle(), saver);
    });
}

void Program::PaneSizeChosen(int width, int height) {
    host_.SetClientWidth(width);
    host_.SetClientHeight(height);
}

void Program::SaverTextChanged(const std::string& text) {
    playlist_.SetSaverButtonsEnabled(OffersSaverCommands(text));
}

// ---- the host window ----

// The player bar is the main window: closing it ends the program.
void Program::CloseProgram() { SendMessageA(playerBar_.Handle(), WM_CLOSE, 0, 0); }

// The shell's restart destroys its icon view and the host embedded in it; the pane and every
// preview's window go with them. Rebuilding the window inside a desktop that is being rebuilt is
// not worth what it risks: the instance ends as "Close" would end it, so none is left running
// unseen, and the autostart shortcut brings the wallpaper back at the next logon. Posted, because
// the host window may be in the middle of its destruction.
void Program::EndWithoutHost() {
    if (!runEnded_) PostMessageA(playerBar_.Handle(), WM_CLOSE, 0, 0);
}

// Anything else that destroys the host (a saver that took it into a window of its own and ended)
// leaves the program without the window it plays in: it is made again where it stood.
void Program::HostDestroyed() {
    if (runEnded_) return;
    if (FWallpaperMode && !host_.HomeExists()) {
        EndWithoutHost();
        return;
    }
    host_.Rebuild();
}

// A shell that ends does not always tell the windows of other programs inside its own that they
// are gone; when it is back, a host that went with the old one is missed.
void Program::ShellStarted() {
    if (!IsWindow(host_.Handle())) EndWithoutHost();
}

void Program::PreviewStarting() {
    // In desktop wallpaper mode only the embedded host is seen once a preview plays. With no
    // screensaver to play (the start-up stopped at a playlist it could not open) nothing will
    // play, and the bar stays: the only window of the instance that the user can reach.
    if (FWallpaperMode && !FSaverFile.empty()) ShowWindow(playerBar_.Handle(), SW_HIDE);
}

// ---- the playlist window ----

void Program::RunFullScreen() {
    host_.StopPreviews();
    RunSaverAndWait(FullScreenCommandLine(WinFileSystem().FullPath(FSaverFile)));
    host_.RestartPreview();
}

}  // namespace vr
