#include "hosting/WallpaperCloseLoop.h"

#include <algorithm>
#include <optional>
#include <set>

namespace vr {

namespace {

std::optional<EmbeddedWindowId> FirstNotAsked(const std::vector<EmbeddedWindowId>& windows,
                                              const std::set<EmbeddedWindowId>& asked) {
    const auto found =
        std::find_if(windows.begin(), windows.end(), [&](EmbeddedWindowId w) { return !asked.contains(w); });
    if (found == windows.end()) return std::nullopt;
    return *found;
}

}  // namespace

void CloseEmbeddedPlayers(EmbeddedPlayerDesktop& desktop) {
    std::set<EmbeddedWindowId> asked;
    while (const auto window = FirstNotAsked(desktop.EmbeddedHostWindows(), asked)) {
        asked.insert(*window);
        desktop.SetCloseButtonEnabled(false);
        desktop.RequestClose(*window);
        desktop.ProcessWaitingMessages();
        desktop.PauseBetweenRounds();
        desktop.SetCloseButtonEnabled(true);
    }
}

}  // namespace vr
