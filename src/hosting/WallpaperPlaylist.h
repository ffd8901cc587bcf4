#pragma once
// A desktop wallpaper mode playlist (".scfg"): five header lines (where the embedded host
// window goes, and the interval) followed by the entries.
#include <optional>
#include <string>
#include <vector>

#include "docking/VisibleFrame.h"

namespace vr {

// The host window's caption for the whole run in desktop wallpaper mode.
inline constexpr char kWallpaperHostCaption[] = "DesktopWallpaperMode";

// The radio buttons of the playlist window's wallpaper group, by the number stored for them.
enum class PlacementChoice {
    PlayerClientArea = 1,  // RadioButton1, "Use player window's client area"
    PlayerWindow = 2,      // RadioButton2, "Use player window"
    WholeWorkarea = 3,     // RadioButton3, "Use whole desktop workarea" (also: none checked)
};

struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// What the placement choices read from the screen at the moment of saving.
struct PlacementSource {
    PlacementChoice choice = PlacementChoice::WholeWorkarea;
    int hostClientScreenX = 0;  // the host client area's origin on the screen
    int hostClientScreenY = 0;
    int hostClientWidth = 0;
    int hostClientHeight = 0;
    ScreenRect hostWindow;    // the host window's outer rectangle
    FrameInsets hostBorders;  // its invisible borders: not part of what the user sees
    bool hostMaximized = false;
    std::optional<ScreenRect> programManager;  // window rect of "Progman"; none when absent
};

struct PlacementRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The rectangle the chosen radio button stands for.
PlacementRect WallpaperPlacement(const PlacementSource& source);

// x, y, width, height, the TimeCombo item index, then every entry.
std::vector<std::string> BuildWallpaperPlaylist(const PlacementRect& placement, int intervalItem,
                                                const std::vector<std::string>& entries);

}  // namespace vr
