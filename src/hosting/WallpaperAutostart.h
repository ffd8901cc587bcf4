#pragma once
// The shortcut that starts a desktop wallpaper mode playlist at logon: one per playlist file,
// named after it, so adding the same file again replaces its shortcut instead of adding one.
#include <string>
#include <string_view>

namespace vr {

inline constexpr char kAutostartDescription[] = "Desktop Wallpaper Mode Playlist";

// "Desktop Wallpaper Mode Playlist - (" + file name with extension + ").lnk"
std::string AutostartLinkName(std::string_view wallpaperListFile);
// The shortcut's full path inside the Startup folder, which the shell gives without a final
// backslash except for a drive's root.
std::string AutostartLinkPath(std::string_view startupFolder, std::string_view wallpaperListFile);

}  // namespace vr
