#include "app/SessionEnd.h"

namespace vr {

SessionEndStep StepAtSessionEnd(bool ending, bool closeApp) {
    if (!ending) return SessionEndStep::Nothing;
    return closeApp ? SessionEndStep::SaveAndExit : SessionEndStep::Save;
}

std::optional<std::string> RestartArguments(bool wallpaperMode, std::string_view wallpaperPlaylistPath,
                                            bool startsAtSignIn) {
    if (!wallpaperMode) return std::string();
    if (startsAtSignIn) return std::nullopt;
    std::string quoted = "\"" + std::string(wallpaperPlaylistPath) + "\"";
    // UTF-8 takes at least as many bytes as UTF-16 takes characters, so what fits here fits there.
    if (wallpaperPlaylistPath.empty() || wallpaperPlaylistPath.find('"') != std::string_view::npos ||
        quoted.size() >= kMostRestartCharacters)
        return std::nullopt;
    return quoted;
}

}  // namespace vr
