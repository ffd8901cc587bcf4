#pragma once
// The playlist window: shows the playlist, lets the user pick, remove and reorder entries, and
// carries the commands on the current screensaver and on playlist files. The rules live in
// Playlist; this class turns messages into calls on it and mirrors it in ListBox1.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "docking/WindowDocking_win.h"
#include "hosting/WallpaperPlaylist.h"
#include "platform/Controls_win.h"
#include "platform/Handles_win.h"
#include "platform/ListAccessibility_win.h"
#include "platform/Drop_win.h"
#include "platform/Tooltips_win.h"
#include "platform/Window_win.h"
#include "playlist/Playlist.h"

namespace vr {

// What the playlist window's commands ask of the rest of the program.
class PlaylistWindowPeers : public DockingPeers {
public:
    virtual std::string CurrentSaver() const = 0;    // FSaverFile
    virtual std::string DisplayedSaver() const = 0;  // the player bar's label2
    // The window was shown (true) or closed (false): the player bar's "Playlist..." button
    // stands for it while it is closed.
    virtual void PlaylistWindowShown(bool shown) = 0;
    virtual int IntervalItem() const = 0;  // the player bar's interval choice
    virtual PlacementSource WallpaperPlacement(PlacementChoice choice) = 0;
    // Runs the current screensaver full screen, waits for it, then restarts the preview.
    virtual void RunFullScreen() = 0;

protected:
    ~PlaylistWindowPeers() = default;
};

class TForm1 : public Window, private RotationTimer, private PlaylistView {
public:
    // display: what making an entry current changes outside this window.
    TForm1(PlaylistWindowPeers& peers, SaverDisplay& display, PlaylistFileReader& reader);
    void CreateHidden(HWND owner);

    Playlist& Model() { return *playlist_; }
    void ListBox1Click() { playlist_->ApplySelection(); }
    void Timer1Timer() { playlist_->RotateToNext(); }
    // The rotation interval chosen on the player bar.
    void RotationInterval(unsigned milliseconds) { timer1_->SetInterval(milliseconds); }
    // While nobody can see the preview the rotation holds, and then counts on from where it held.
    void HoldRotation(bool hold) { hold ? timer1_->Hold() : timer1_->Resume(); }
    void ShowInFront();
    void ShowWithListFocused();
    // "Configure...", "Run..." and "Win + Sys" follow the current screensaver's display.
    void SetSaverButtonsEnabled(bool enabled);
    void SetConfigureEnabled(bool enabled);
    // Open as the user left it, also while a minimised owner hides it.
    bool Open() const { return open_; }
    bool HelpTextVisible() const;
    void SetHelpTextVisible(bool visible);
    // The placement chosen last: the window's own, not read back from the buttons.
    PlacementChoice Placement() const { return placement_; }
    void SetPlacement(PlacementChoice choice);

private:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int id, int code);
    void Layout();
    void DpiChanged(int dpi) override;
    void KeepTabStopsOfCoveredControls();
    void FormShow();
    void FormClose();

    void Button1Click(bool load);   // "File..." and "Load..."
    void Button2Click();            // "Dir..."
    void Button4Click(int sender);  // both "Save..."
    void Button6Click();            // "Configure..."
    void Button7Click();            // "Run..."
    void Button8Click();            // "Win + Sys"
    void Button9Click();            // "Install..."
    void Button10Click();           // "Close"
    void Button12Click();           // wallpaper "Run..."
    void Button13Click();           // "Add to autostart folder!"
    void Memo1DblClick();
    void OnDrop(const std::vector<std::string>& paths);

    // The list's own messages: keys, and dragging an entry to a new place.
    static LRESULT CALLBACK ListProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    static LRESULT CALLBACK MemoProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    bool OnListMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void ListBox1MouseDown(POINT at);
    void ListBox1MouseUp(POINT at);
    bool IsOverList(POINT at) const;
    std::optional<int> DropTargetAt(POINT at) const;
    void SetDropLine(std::optional<int> gap);
    RECT DropLineRect() const;
    void PaintDropLine(HWND list) const;
    void DrawEntry(const DRAWITEMSTRUCT& row) const;
    void ListBox1Char(wchar_t typed);
    void ListBox1KeyDown(unsigned virtualKey) { playlist_->PressKey(virtualKey); }
    void ListBox1DragDrop(int targetIndex) { playlist_->MoveSelectedTo(targetIndex); }

    // RotationTimer
    unsigned Interval() const override { return timer1_->Interval(); }
    bool IsRunning() const override { return timer1_->Enabled(); }
    void Start() override { timer1_->SetEnabled(true); }
    void Stop() override { timer1_->SetEnabled(false); }
    // PlaylistView
    void EntriesAppended(std::size_t firstNew) override;
    void EntriesRemoved(std::size_t first, std::size_t count) override;
    void EntryMoved(std::size_t from, std::size_t to) override;
    void EntriesCleared() override;
    void SelectionChanged(int index) override;

    ListBox ListBox1() const;

    PlaylistWindowPeers& peers_;
    std::unique_ptr<Playlist> playlist_;
    std::unique_ptr<EventTimer> timer1_;
    ListAccessibility listAccessibility_;
    WindowSubclass listSubclass_;
    WindowSubclass memoSubclass_;
    POINT dragStart_{};
    bool pressed_ = false;
    bool dragging_ = false;
    std::optional<int> dropLine_;  // the gap the drop line marks while dragging
    bool open_ = false;
    bool hiddenWithOwner_ = false;
    PlacementChoice placement_ = PlacementChoice::WholeWorkarea;
    FileDrops drops_;
    Tooltips tips_;
};

}  // namespace vr
