#include "player/ClosingSave.h"

#include <exception>

namespace vr {

namespace {
constexpr std::size_t kSelectedEntryLine = 13;
}

// A kept playlist goes with the selection saved for it, not with the one of the list in the
// windows, which does not hold it.
ConfigSnapshot ClosingSave::Settled(ConfigSnapshot settings, bool playlistKept) const {
    if (playlistKept) settings.selectedEntry = savedSelection_;
    return settings;
}

void ClosingSave::StartupEnded(const SavedFilesRead& read, const SavedState& state,
                               const std::vector<std::string>& linesRead) {
    savedSelection_ = ReadSettingInt(linesRead, kSelectedEntryLine, 0);
    unreadPlaylist_.reset();
    if (!read.playlist) unreadPlaylist_ = state.playlistRevision;
    unreadSettings_.reset();
    if (!read.settings) unreadSettings_ = Settled(state.settings, !read.playlist);
}

void ClosingSave::Save(FileSystem& files, const std::string& programFolder, SavedState state) const {
    const bool keepPlaylist = unreadPlaylist_ && *unreadPlaylist_ == state.playlistRevision;
    state.settings = Settled(state.settings, keepPlaylist);
    const bool keepSettings = unreadSettings_ && *unreadSettings_ == state.settings;
    try {
        if (!keepSettings)
            files.WriteLines(programFolder + kConfigFileName, BuildConfigLines(state.settings));
        if (!keepPlaylist) files.WriteLines(programFolder + kSavedPlaylistFileName, *state.entries);
    } catch (const std::exception&) {
        // The program is closing; there is nobody left to tell.
    }
}

}  // namespace vr
