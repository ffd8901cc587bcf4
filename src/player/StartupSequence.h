#pragma once
// The player bar's first showing: apply "config.cfg", place the three windows, load the
// playlist (argument, "myList.spls", else the Windows and system folders), apply a ".scfg"
// header in desktop wallpaper mode, and make the selected entry the current screensaver.
#include <string>
#include <vector>

#include "docking/SnapSequence.h"
#include "player/ClosingSave.h"
#include "files/FileSystem.h"
#include "platform/DpiScale.h"
#include "player/Settings.h"
#include "playlist/Playlist.h"

namespace vr {

struct StartupInput {
    std::string programFolder;   // the executable's folder, ending in a backslash
    std::string firstArgument;   // quotes removed; empty when there is none
    bool wallpaperMode = false;  // FWallpaperMode
};

enum class Geometry { Left, Top, ClientWidth, ClientHeight };

// A monitor in screen pixels, and the DPI the windows on it are shown at.
struct ScreenArea {
    DockRect monitor;
    int dpi = kDesignDpi;
};

// The windows as the start-up sequence drives them; the player bar implements it. Each
// position or size value comes as a call of its own, in order, because every window snaps each
// request against the others where they stand at that moment.
class StartupWorld {
public:
    virtual ~StartupWorld() = default;
    virtual void SetHost(Geometry what, int value) = 0;
    virtual void SetPlayerBar(Geometry what, int value) = 0;  // Left and Top only
    virtual void SetPlaylistWindow(Geometry what, int value) = 0;
    // Selects TimeCombo's item (an index that is no item leaves none selected), then runs
    // TimeComboChange.
    virtual void SelectInterval(int itemIndex) = 0;
    // label2's text and hint, the host caption (SaverTitle) and FSaverFile brought in line
    // with FSaverFile.
    virtual void SyncSaverDisplay() = 0;
    virtual void ShowPlaylistWindowFocused() = 0;  // shown, its list has the keyboard focus
    virtual void ShowHelpText(bool visible) = 0;   // the playlist window's Memo1
    virtual bool HostVisible() = 0;
    virtual void ShowHost() = 0;  // shown and brought to the front
    virtual void SetHostCaption(const std::string& caption) = 0;
    virtual void MaximizeHost() = 0;
    virtual void SetPlacementChoice(PlacementChoice choice) = 0;
    // The player bar's system menu item, which is off until chosen.
    virtual void ChooseOneSaverAcrossMonitors() = 0;
    virtual std::string WindowsFolder() = 0;
    virtual std::vector<std::string> SystemFolders() = 0;  // platform/Shell_win.h
    // The monitor nearest the point.
    virtual ScreenArea ScreenAt(DockPoint point) = 0;
    // The window's outer size around a client area of this size at this DPI.
    virtual DockSize OuterSize(DockRole window, DockSize client, int dpi) = 0;
    // The outer rectangles the windows are about to be given, before the first of them moves:
    // each snaps against where the others will stand, not where they were created.
    virtual void ExpectPlaces(const DockRect& host, const DockRect& playerBar, const DockRect& playlist) = 0;
};

// The player bar's client size at 96 DPI; it is not stored.
inline constexpr DockSize kPlayerBarClient{476, 44};

// Runs the whole sequence. linesRead is the player bar's list of lines read: the settings
// lines, or from the wallpaper header on the ".scfg" file's lines. An AppError (a file that
// exists but cannot be read) leaves the remaining steps undone and reaches the caller, which
// shows it; `read` then tells which saved files were read before it.
void RunStartupSequence(const StartupInput& input, StartupWorld& world, FileSystem& files, Playlist& playlist,
                        std::vector<std::string>& linesRead, SavedFilesRead& read);

}  // namespace vr
