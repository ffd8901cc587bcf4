#pragma once
// Control ids of the player bar; the end-to-end driver finds the controls by them.
namespace vr {
// Veilrunner.scr finds a running player by its bar's class.
inline constexpr char kPlayerBarClass[] = "TfrmSVDOptions";
// The system menu's item that makes the playlist the system screensaver. The system keeps the
// low four bits of a system command for itself.
inline constexpr unsigned kUsePlaylistAsScreensaverCommand = 0x0100;
// The system menu's check item "One screensaver across all monitors" for Veilrunner.scr.
inline constexpr unsigned kOneSaverAcrossMonitorsCommand = 0x0110;
}  // namespace vr

namespace vr::PlayerBarId {
enum : int {
    Image12 = 101,
    TimeCombo,
    ResolutionCombo,
    Button7,  // "Playlist..."
    Button1,  // "About..."
    Button3,  // "<"
    Button4,  // "/\"
    Button5,  // "v"
    Button2,  // ">"
    label2,
};
}  // namespace vr::PlayerBarId
