#pragma once
// The player bar, the program's main window: the interval and size choices, the buttons that
// open the playlist and About windows, and the display of the current screensaver. Its first
// showing starts the run and its closing ends it; what either does to the other windows is the
// program's, asked through PlayerBarPeers.
#include <optional>
#include <string>
#include <vector>

#include "docking/WindowDocking_win.h"
#include "platform/Controls_win.h"
#include "platform/Handles_win.h"
#include "platform/Drop_win.h"
#include "platform/Tooltips_win.h"
#include "platform/Window_win.h"

namespace vr {

// What the player bar's handlers ask of the rest of the program.
class PlayerBarPeers : public DockingPeers {
public:
    virtual void RunStartup() = 0;  // the first showing
    // The bar closes, or the session ends: save, stop the previews. Only the first call counts.
    virtual void ProgramClosing() = 0;
    // WM_ENDSESSION: `ending` as its wParam, `closeApp` when only this program is closed.
    virtual void SessionEnded(bool ending, bool closeApp) = 0;
    // A rotation interval was chosen (none for an item that is no interval); the selection
    // handler runs after it.
    virtual void IntervalChosen(std::optional<unsigned> milliseconds) = 0;
    virtual void PaneSizeChosen(int width, int height) = 0;
    // label2 changed: the playlist window's saver buttons follow it.
    virtual void SaverTextChanged(const std::string& text) = 0;
    // The shell broadcast "TaskbarCreated": it started, or started again after it ended.
    virtual void ShellStarted() = 0;
    virtual void ShowPlaylistWindow() = 0;
    virtual void ShowAboutWindow() = 0;
    virtual void NudgeHost(int dx, int dy) = 0;
    // The system menu's "Use the playlist as the screensaver".
    virtual void UsePlaylistAsScreensaver() = 0;
    virtual void DropOnPlayer(const std::vector<std::string>& paths) = 0;

protected:
    ~PlayerBarPeers() = default;
};

class TfrmSVDOptions : public Window {
public:
    explicit TfrmSVDOptions(PlayerBarPeers& peers) : peers_(peers) {}
    // Without its taskbar button the program shows none (desktop wallpaper mode).
    void CreateHidden(HWND applicationWindow, bool taskbarButton);
    // Makes the bar visible, brings it to the front and runs the start-up sequence.
    void ShowAndStart();

    std::string DisplayedSaver() const { return label2().Text(); }
    // label2's text and hint; its change notification sets the playlist buttons.
    void ShowSaver(const std::string& path);
    // Item 0 of the size choice becomes the pane's size and is selected.
    void ShowPaneSize(int width, int height);
    void SetPlaylistButtonVisible(bool visible) { Button7().Show(visible); }
    void SetAboutButtonVisible(bool visible) { Button1().Show(visible); }
    // The interval item chosen last, -1 for none: the player's own, not read back from the list.
    int IntervalItem() const { return intervalItem_; }
    // Selects TimeCombo's item (an index that is no item leaves none selected), then applies it as
    // TimeComboChange does.
    void SelectInterval(int itemIndex);
    // Veilrunner.scr's choice on more than one monitor, a check item of the system menu.
    bool OneSaverAcrossMonitors() const { return oneSaverAcrossMonitors_; }
    void SetOneSaverAcrossMonitors(bool one);

private:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void DpiChanged(int dpi) override { ShowBanner(dpi); }
    void ShowBanner(int dpi);
    void OnCommand(int id, int code);
    void AddSystemMenuItems();

    void FormShow();
    void FormClose();
    void FormEndSession(bool ending, bool closeApp);
    void TimeComboChange();
    void ApplyInterval();
    void ResolutionComboChange();
    void Image12Click();
    void label2Change();
    void OnDrop(const std::vector<std::string>& paths);

    ComboBox TimeCombo() const;
    ComboBox ResolutionCombo() const;
    Button Button7() const;
    Button Button1() const;
    Control label2() const;

    PlayerBarPeers& peers_;
    std::string label2Hint_;
    int intervalItem_ = -1;
    bool oneSaverAcrossMonitors_ = false;
    OwnedBitmap banner_;
    FileDrops drops_;
    Tooltips tips_;
};

}  // namespace vr
