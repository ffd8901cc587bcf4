#pragma once
// The player bar, the program's main window: the interval and size choices, the buttons that
// open the playlist and About windows, the current screensaver, and the start and end of a run.
#include <string>
#include <vector>

#include "docking/DockingState.h"
#include "docking/WindowDocking_win.h"
#include "platform/Controls_win.h"
#include "platform/Handles_win.h"
#include "platform/Window_win.h"
#include "player/StartupSequence.h"

namespace vr {

class TfrmSVDOptions : public Window, private StartupWorld {
public:
    void CreateHidden(HWND applicationWindow);
    // Makes the bar visible, brings it to the front and runs the start-up sequence.
    void ShowAndStart();

    std::string FSaverFile;
    bool FWallpaperMode = false;
    DockingState docking;

    PlayerWindows DockingWindows();
    std::string DisplayedSaver() const { return label2().Text(); }
    // label2's text and hint; its change notification sets the playlist buttons.
    void ShowSaver(const std::string& path);
    // Item 0 of the size choice becomes the pane's size and is selected.
    void ShowPaneSize(int width, int height);
    void SetPlaylistButtonVisible(bool visible) { Button7().Show(visible); }
    void SetAboutButtonVisible(bool visible) { Button1().Show(visible); }
    int IntervalItem() const { return TimeCombo().Selected(); }

private:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int id, int code);

    void FormShow();
    void FormClose();
    void TimeComboChange();
    void ResolutionComboChange();
    void Image12Click();
    void label2Change();
    void OnDrop(const std::vector<std::string>& paths);
    void SaveSettingsNow();

    // StartupWorld
    void SetHost(Geometry what, int value) override;
    void SetPlayerBar(Geometry what, int value) override;
    void SetPlaylistWindow(Geometry what, int value) override;
    void SelectInterval(int itemIndex) override;
    void SyncSaverDisplay() override;
    void ShowPlaylistWindowFocused() override;
    void ShowHelpText(bool visible) override;
    bool HostVisible() override;
    void ShowHost() override;
    void SetHostCaption(const std::string& caption) override;
    void HideApplicationWindow() override;
    void MaximizeHost() override;
    void SetPlacementChoice(PlacementChoice choice) override;
    std::string WindowsFolder() override;
    std::string SystemFolder() override;

    ComboBox TimeCombo() const;
    ComboBox ResolutionCombo() const;
    Button Button7() const;
    Button Button1() const;
    Control label2() const;

    std::vector<std::string> ListBox1;  // the lines last read: settings or a wallpaper playlist
    std::string label2Hint_;
    OwnedBitmap banner_;
};

}  // namespace vr
