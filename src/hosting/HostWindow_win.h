#pragma once
// The host window: its whole client area is the green preview pane p1, whose handle every
// preview is started with. It decides when a preview starts and stops the old ones.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "docking/WindowDocking_win.h"
#include "hosting/PaneReports_win.h"
#include "hosting/PaneVisibility.h"
#include "hosting/SaverProcess_win.h"
#include "hosting/WallpaperPlaylist.h"
#include "platform/Controls_win.h"
#include "platform/Drop_win.h"
#include "platform/Window_win.h"

namespace vr {

// What the host window's handlers ask of the rest of the program.
class HostWindowPeers : public DockingPeers {
public:
    virtual std::string CurrentSaver() const = 0;
    // A preview is about to start (desktop wallpaper mode hides the player bar then).
    virtual void PreviewStarting() = 0;
    // A preview was started in a pane of this size.
    virtual void PreviewStarted(int paneWidth, int paneHeight) = 0;
    // Whether anybody can see the pane changed: while nobody can, the rotation holds.
    virtual void PaneSeen(bool seen) = 0;
    // The host window was closed: the whole program ends, as when the player bar is closed.
    virtual void CloseProgram() = 0;
    // The native window was destroyed from outside: an embedded host goes with the desktop's
    // icon view when the shell restarts.
    virtual void HostDestroyed() = 0;
    virtual void DropOnPlayer(const std::vector<std::string>& paths) = 0;

protected:
    ~HostWindowPeers() = default;
};

// Where the host window stands, as the settings keep it: left and top in its parent's client
// coordinates (the screen's for a top-level window), the client size, and whether it is maximised.
struct HostPlace {
    int left = 0;
    int top = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    bool maximized = false;
};

class TfrmSVDActive : public Window {
public:
    explicit TfrmSVDActive(HostWindowPeers& peers) : peers_(peers) {}
    // Creates the native window; in desktop wallpaper mode it becomes part of the desktop.
    void CreateHidden(HWND owner, bool wallpaperMode);

    HWND Pane() const { return p1_; }
    // Posts WM_QUIT to every window inside the pane, then handles the waiting messages. A
    // preview that has not ended a second later is ended.
    void StopPreviews();
    // The program closes: stops the previews and ends those still running when their second is
    // over.
    void EndPreviews();
    // Starts a preview after the timer's delay; enabling a pending start changes nothing.
    // A new selection: it may be tried again even when it failed last time.
    void RequestPreviewStart();
    void SetCaption(const std::string& caption);
    void ShowInFront();
    // Left and top on the screen, as the settings and wallpaper playlists keep them. Embedded,
    // the window counts them from the icon view's client area, whose origin is the virtual
    // screen's: left of or above the primary monitor when other monitors lie there.
    void SetScreenLeft(int left);
    void SetScreenTop(int top);
    void SetClientWidth(int width);
    void SetClientHeight(int height);
    void Nudge(int dx, int dy);
    // A width change there and back, which restarts the preview at the size it had.
    void RestartPreview();
    bool IsMaximized() const { return IsZoomed(Handle()) != FALSE; }
    // Where the window stands now, or last stood where it belongs, when something else has taken
    // it away or destroyed it.
    HostPlace Place() const;
    // Whether the window the host lives in still exists: the desktop, or the icon view in
    // desktop wallpaper mode.
    bool HomeExists() const { return IsWindow(home_) != FALSE; }
    // Makes the window anew at its last place, with its caption, and starts a preview in it.
    void Rebuild();
    // What the wallpaper group's placement choices read of this window and the desktop.
    PlacementSource PlacementFor(PlacementChoice choice) const;

private:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    EventTimer& Timer1() { return *timer1_; }
    void PostQuitToPreviews();
    void CreatePane();
    bool AtHome() const;
    void RememberPlace();
    void CheckPane();
    bool PaneIsSeen() const;
    void VisibilityChanged(PaneVisibility::Change change);
    void CheckCustody();
    void UndoWhatOthersDid();
    void RefuseForeignChange(WINDOWPOS& request) const;
    void Timer1Timer();
    void FormResize();
    void FormClose();
    void OnDrop(const std::vector<std::string>& paths);

    HostWindowPeers& peers_;
    HWND owner_ = nullptr;
    bool wallpaperMode_ = false;
    HWND home_ = nullptr;  // the parent it was created in
    std::string caption_;
    HostPlace lastPlace_;
    HWND p1_ = nullptr;
    std::unique_ptr<EventTimer> timer1_;
    PreviewCustody custody_;
    std::unique_ptr<EventTimer> custodyTimer_;
    PaneVisibility visibility_;
    PaneReports reports_;
    std::unique_ptr<EventTimer> coverTimer_;  // looks for windows over the whole monitor
    SIZE lastClientSize_{-1, -1};
    std::string startedSaver_;                // the screensaver of the last preview started
    std::optional<std::string> failedSaver_;  // the one that hung, not started until asked again
    bool closing_ = false;                    // from then on no preview starts
    bool puttingBack_ = false;                // Rebuild restores its last place as it was
    bool shown_ = false;                      // the program has shown it
    FileDrops drops_;
};

}  // namespace vr
