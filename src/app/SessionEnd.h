#pragma once
// What the program does when Windows ends the session or closes programs for an update, and how
// it asks to be brought back afterwards.
#include <optional>
#include <string>
#include <string_view>

namespace vr {

enum class SessionEndStep { Nothing, Save, SaveAndExit };

// `ending`: the session really ends (WM_ENDSESSION's wParam). `closeApp`: only this program is
// closed, by an installer or an update through the Restart Manager (ENDSESSION_CLOSEAPP). At a
// real end the system ends the process soon after, whatever it does; a closed program must go
// itself, or it lives on with nothing to save at its later close.
SessionEndStep StepAtSessionEnd(bool ending, bool closeApp);

// The longest command line the system keeps for a restart, its terminating zero included.
inline constexpr std::size_t kMostRestartCharacters = 1024;

// The arguments the system restarts the player with after an update or at the next sign-in:
// none for a normal run (a playlist named at start was imported then and is saved now), the
// wallpaper playlist's full path, quoted, in desktop wallpaper mode. Nothing when it does not fit:
// restarted without it, the wallpaper would come back as a normal player. Nothing either when an
// autostart shortcut for the playlist starts it at sign-in (`startsAtSignIn`): restarted as well,
// the same wallpaper would play twice, one over the other.
std::optional<std::string> RestartArguments(bool wallpaperMode, std::string_view wallpaperPlaylistPath,
                                            bool startsAtSignIn = false);

}  // namespace vr
