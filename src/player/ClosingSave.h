#pragma once
// What closing writes over the saved files. A saved file that the start-up could not read (held
// by a backup or a scanner for a moment) still holds what the user saved, and the windows never
// received it: closing leaves it as it is until the user changes what it would hold.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "files/FileSystem.h"
#include "player/Settings.h"

namespace vr {

// Which saved files the start-up read; one it did not get to, or could not read, counts as
// unread. The settings count as read only once the start-up has applied all of them: one that
// ended early leaves windows hidden or unplaced that the user never chose so.
struct SavedFilesRead {
    bool settings = false;
    bool playlist = false;
};

// The settings and the playlist as a save would write them.
struct SavedState {
    ConfigSnapshot settings;
    const std::vector<std::string>* entries = nullptr;
    std::uint64_t playlistRevision = 0;  // Playlist::Revision of the entries
};

class ClosingSave {
public:
    // At the end of the start-up: what it read, the state it left, and the settings lines read.
    void StartupEnded(const SavedFilesRead& read, const SavedState& state,
                      const std::vector<std::string>& linesRead);
    // Writes programFolder + "config.cfg", then programFolder + "myList.spls", but leaves an
    // unread file as it is while nothing it would hold has changed since the start. Saving
    // happens while the program closes, so every error is dropped; the playlist is not attempted
    // once the settings could not be written.
    void Save(FileSystem& files, const std::string& programFolder, SavedState state) const;

private:
    ConfigSnapshot Settled(ConfigSnapshot settings, bool playlistKept) const;

    std::optional<ConfigSnapshot> unreadSettings_;  // as the start left them
    std::optional<std::uint64_t> unreadPlaylist_;   // the playlist's revision at the start
    int savedSelection_ = 0;                        // the saved playlist's selected entry
};

}  // namespace vr
