#pragma once
// The program: owner of the state the windows share (the current screensaver, the wallpaper
// mode, the docking state) and of the four windows. Each window gets, in its constructor, the
// narrow interface it needs, and every call from one window to another goes through here.
#include <string>
#include <vector>

#include "about/AboutWindow_win.h"
#include "docking/DockingState.h"
#include "hosting/HostWindow_win.h"
#include "player/PlayerBar_win.h"
#include "player/StartupSequence.h"
#include "playlist/AsidePlaylistReader_win.h"
#include "playlist/PlaylistWindow_win.h"

namespace vr {

class Program final : private SaverDisplay,
                      private StartupWorld,
                      private PlayerBarPeers,
                      private HostWindowPeers,
                      private PlaylistWindowPeers {
public:
    // Creates the four windows hidden, the player bar first so that it is the main window.
    explicit Program(bool wallpaperMode);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    // Shows the player bar, whose first showing runs the start-up sequence, and runs the event
    // loop until the bar is closed.
    int Run();

private:
    // Shared by several windows.
    PlayerWindows DockingWindows() override;
    std::string CurrentSaver() const override { return FSaverFile; }
    std::string DisplayedSaver() const override { return playerBar_.DisplayedSaver(); }
    void SetHostCaption(const std::string& caption) override { host_.SetCaption(caption); }
    void DropOnPlayer(const std::vector<std::string>& paths) override;

    // SaverDisplay
    void ShowSaver(const std::string& path) override { playerBar_.ShowSaver(path); }
    void SetSaverFile(const std::string& path) override { FSaverFile = path; }
    void SetConfigureEnabled(bool enabled) override { playlist_.SetConfigureEnabled(enabled); }
    void RequestPreviewStart() override { host_.RequestPreviewStart(); }
    bool WallpaperMode() const override { return FWallpaperMode; }

    // StartupWorld
    void ExpectPlaces(const DockRect& host, const DockRect& playerBar, const DockRect& playlist) override;
    void SetHost(Geometry what, int value) override;
    void SetPlayerBar(Geometry what, int value) override;
    void SetPlaylistWindow(Geometry what, int value) override;
    void SelectInterval(int itemIndex) override { playerBar_.SelectInterval(itemIndex); }
    void SyncSaverDisplay() override;
    void ShowPlaylistWindowFocused() override { playlist_.ShowWithListFocused(); }
    void ShowHelpText(bool visible) override { playlist_.SetHelpTextVisible(visible); }
    bool HostVisible() override { return host_.IsVisible(); }
    void ShowHost() override { host_.ShowInFront(); }
    void MaximizeHost() override { ShowWindow(host_.Handle(), SW_MAXIMIZE); }
    void SetPlacementChoice(PlacementChoice choice) override { playlist_.SetPlacement(choice); }
    void ChooseOneSaverAcrossMonitors() override { playerBar_.SetOneSaverAcrossMonitors(true); }
    std::string WindowsFolder() override;
    std::vector<std::string> SystemFolders() override;
    ScreenArea ScreenAt(DockPoint point) override;
    DockSize OuterSize(DockRole window, DockSize client, int dpi) override;

    // PlayerBarPeers
    void RunStartup() override;
    void ProgramClosing() override;
    void SessionEnded(bool ending, bool closeApp) override;
    void IntervalChosen(std::optional<unsigned> milliseconds) override;
    void PaneSizeChosen(int width, int height) override;
    void SaverTextChanged(const std::string& text) override;
    void ShellStarted() override;
    void ShowPlaylistWindow() override { playlist_.ShowInFront(); }
    void ShowAboutWindow() override { about_.ShowAbout(playerBar_.Handle()); }
    void NudgeHost(int dx, int dy) override { host_.Nudge(dx, dy); }
    void UsePlaylistAsScreensaver() override;

    // HostWindowPeers
    void CloseProgram() override;
    void PaneSeen(bool seen) override { playlist_.HoldRotation(!seen); }
    void HostDestroyed() override;
    void PreviewStarting() override;
    void PreviewStarted(int paneWidth, int paneHeight) override {
        playerBar_.ShowPaneSize(paneWidth, paneHeight);
    }

    // PlaylistWindowPeers
    void PlaylistWindowShown(bool shown) override { playerBar_.SetPlaylistButtonVisible(!shown); }
    int IntervalItem() const override { return playerBar_.IntervalItem(); }
    PlacementSource WallpaperPlacement(PlacementChoice choice) override { return host_.PlacementFor(choice); }
    void RunFullScreen() override;

    SavedState StateToSave();
    void RegisterRestart() const;
    void EndWithoutHost();

    std::string FSaverFile;               // the current screensaver; empty until the first selection
    const bool FWallpaperMode;            // settled before the host window exists, kept for the whole run
    bool runEnded_ = false;               // saved and previews ended, by closing or by the session's end
    bool started_ = false;                // the start-up sequence has ended
    std::optional<PlayerRects> startupFrames_;  // while the start-up places the windows
    DockingState docking_;                // which windows the player bar carries during its move
    std::vector<std::string> linesRead_;  // the settings or wallpaper playlist lines last read
    ClosingSave closingSave_;             // keeps saved files the start could not read
    AsidePlaylistReader playlistReader_;

    TfrmSVDOptions playerBar_;
    TfrmSVDActive host_;
    TfrmConfig about_;
    TForm1 playlist_;
};

}  // namespace vr
