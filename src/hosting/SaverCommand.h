#pragma once
// Command lines that start a screensaver with one of its switches. The path is quoted: unquoted,
// a path with blanks would let the system start a different program (C:\Program.exe for a
// saver under "C:\Program Files").
#include <cstdint>
#include <string>
#include <string_view>

namespace vr {

std::string PreviewCommandLine(const std::string& saverPath, std::uintptr_t paneHandle);
std::string FullScreenCommandLine(const std::string& saverPath);
std::string ConfigureCommandLine(const std::string& saverPath);
// "Configure...", "Run..." and "Win + Sys" are offered for a path with a dot anywhere in it.
bool OffersSaverCommands(std::string_view saverPath);
// Parameters for rundll32, which hands the rest of its line to the display control panel as is.
std::string InstallParameters(const std::string& saverPath);

// The player itself.
inline constexpr char kPlayerFileName[] = "Veilrunner.exe";
// The screensaver built and shipped beside the player that plays the player's playlist.
inline constexpr char kPlaylistSaverFileName[] = "Veilrunner.scr";
// Where it lies beside the player, whose folder ends in a backslash.
std::string PlaylistSaverPath(const std::string& programFolder);

}  // namespace vr
