#pragma once
// The settings file "config.cfg" beside the program, and the two readers every settings value
// goes through. Values are read by line position; each has a default, so a short, damaged or
// missing file still starts the program.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/FileSystem.h"
#include "hosting/WallpaperPlaylist.h"
#include "platform/DpiScale.h"

namespace vr {

inline constexpr char kConfigFileName[] = "config.cfg";
inline constexpr char kSavedPlaylistFileName[] = "myList.spls";
inline constexpr char kConfigTitleLine[] = "Veilrunner 2.00 Config File";
// The lines of "config.cfg" that Veilrunner.scr reads as well: the current screensaver and the
// interval's item.
inline constexpr std::size_t kConfigSaverLine = 1;
inline constexpr std::size_t kConfigIntervalLine = 14;
// "One screensaver across all monitors": after the DPI, where earlier versions do not look.
inline constexpr std::size_t kConfigOneSaverAcrossMonitorsLine = 19;

// The whole text as a signed 32-bit integer: leading blanks, then an optional sign, then decimal
// digits, or hexadecimal digits after "$" or "0x"/"0X". Anything else gives nothing.
std::optional<int> ParseSettingInt(std::string_view text);
// ParseSettingInt of lines[index]; def when the line is missing or is no integer.
int ReadSettingInt(const std::vector<std::string>& lines, std::size_t index, int def);
// True exactly when lines[index] is "1"; def when the line is missing.
bool ReadSettingFlag(const std::vector<std::string>& lines, std::size_t index, bool def);

// Outer left/top on the screen, client width/height.
struct WindowPlace {
    int left = 0;
    int top = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    bool operator==(const WindowPlace&) const = default;
};

// Every value "config.cfg" stores, read from the windows at the moment of saving.
struct ConfigSnapshot {
    std::string saverFile;  // FSaverFile
    WindowPlace host;
    int playerBarLeft = 0;
    int playerBarTop = 0;
    bool playlistWindowVisible = false;
    WindowPlace playlistWindow;
    int selectedEntry = -1;        // -1: nothing selected
    int intervalItem = -1;         // TimeCombo item index, -1: none
    bool helpTextVisible = false;  // Memo1
    bool hostMaximized = false;
    PlacementChoice placement = PlacementChoice::WholeWorkarea;
    int dpi = kDesignDpi;  // the player bar's, which the places are in
    bool oneSaverAcrossMonitors = false;  // Veilrunner.scr: one entry's own full screen, not one per monitor
    bool operator==(const ConfigSnapshot&) const = default;
};

// The lines of "config.cfg", in file order: the 18 that every version reads, then the DPI the
// places were saved at and the choice of one screensaver across all monitors, where earlier
// versions, which read 18 lines, do not look.
std::vector<std::string> BuildConfigLines(const ConfigSnapshot& snapshot);

}  // namespace vr
