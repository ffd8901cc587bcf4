#pragma once
// "Add to autostart folder!" of the playlist window's wallpaper group.
#include <windows.h>

#include <string>

namespace vr {

// A shortcut to the playlist in the user's Startup folder, replacing an earlier one for the same
// file. Reports nothing.
void AddToAutostart(HWND owner, const std::string& wallpaperListFile);
// Whether the Startup folder holds the shortcut AddToAutostart makes for that file.
bool HasAutostart(HWND owner, const std::string& wallpaperListFile);

}  // namespace vr
