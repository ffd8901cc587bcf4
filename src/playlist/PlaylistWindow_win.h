#pragma once
// The playlist window: shows the playlist, lets the user pick, remove and reorder entries, and
// carries the commands on the current screensaver and on playlist files. The rules live in
// Playlist; this class turns messages into calls on it and mirrors it in ListBox1.
#include <memory>
#include <string>
#include <vector>

#include "platform/Controls_win.h"
#include "platform/Window_win.h"
#include "player/Settings.h"
#include "playlist/Playlist.h"

namespace vr {

class TForm1 : public Window, private SaverDisplay, private RotationTimer, private PlaylistView {
public:
    TForm1();
    void CreateHidden(HWND owner);

    Playlist& Model() { return *playlist_; }
    void ListBox1Click() { playlist_->ApplySelection(); }
    void DropOnPlayer(const std::vector<std::string>& paths) { playlist_->DropOnPlayer(paths); }
    // The rotation interval chosen on the player bar.
    void RotationInterval(unsigned milliseconds) { timer1_->SetInterval(milliseconds); }
    void ShowInFront();
    void ShowWithListFocused();
    // "Configure...", "Run..." and "Win + Sys" follow the current screensaver's display.
    void SetSaverButtonsEnabled(bool enabled);
    bool HelpTextVisible() const;
    void SetHelpTextVisible(bool visible);
    PlacementChoice Placement() const;
    void SetPlacement(PlacementChoice choice);

private:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int id, int code);
    void Layout();
    void FormShow();
    void FormClose();

    void Button1Click(bool load);  // "File..." and "Load..."
    void Button2Click();           // "Dir..."
    void Button4Click(int sender); // both "Save..."
    void Button6Click();           // "Configure..."
    void Button7Click();           // "Run..."
    void Button8Click();           // "Win + Sys"
    void Button9Click();           // "Install..."
    void Button10Click();          // "Close"
    void Button12Click();          // wallpaper "Run..."
    void Button13Click();          // "Add to autostart folder!"
    void Memo1DblClick();
    void OnDrop(const std::vector<std::string>& paths);

    // The list's own messages: keys, and dragging an entry to a new place.
    static LRESULT CALLBACK ListProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    static LRESULT CALLBACK MemoProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    bool OnListMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    // SaverDisplay
    std::string DisplayedSaver() const override;
    void ShowSaver(const std::string& path) override;
    void SetSaverFile(const std::string& path) override;
    void SetHostCaption(const std::string& caption) override;
    void SetConfigureEnabled(bool enabled) override;
    void RequestPreviewStart() override;
    bool WallpaperMode() const override;
    // RotationTimer
    unsigned Interval() const override { return timer1_->Interval(); }
    bool IsRunning() const override { return timer1_->Enabled(); }
    void Start() override { timer1_->SetEnabled(true); }
    void Stop() override { timer1_->SetEnabled(false); }
    // PlaylistView
    void EntriesAppended(std::size_t firstNew) override;
    void EntryRemoved(std::size_t index) override;
    void EntryMoved(std::size_t from, std::size_t to) override;
    void EntriesCleared() override;
    void SelectionChanged(int index) override;

    ListBox ListBox1() const;

    std::unique_ptr<Playlist> playlist_;
    std::unique_ptr<EventTimer> timer1_;
    POINT dragStart_{};
    bool pressed_ = false;
    bool dragging_ = false;
};

}  // namespace vr
