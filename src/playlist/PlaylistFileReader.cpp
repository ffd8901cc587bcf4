#include "playlist/PlaylistFileReader.h"

#include <unordered_map>

#include "files/ExistenceChecks.h"
#include "files/TypeKey.h"
#include "hosting/SaverCommand.h"

namespace vr {

std::vector<std::string> SaverLinesOf(FileSystem& files, const std::string& path) {
    std::vector<std::string> lines = files.ReadLines(path);
    std::vector<std::string> named;
    std::vector<std::string> full;
    named.reserve(lines.size());
    full.reserve(lines.size());
    for (std::string& line : lines) {
        if (KindOf(line) != FileKind::Screensaver) continue;
        full.push_back(files.FullPath(line));
        named.push_back(std::move(line));
    }
    const std::vector<bool> exists = FilesExist(files, full);
    // A long playlist names few files many times over: each one's version resource is read once.
    std::unordered_map<std::string, bool> playlistSavers;
    std::vector<std::string> kept;
    kept.reserve(named.size());
    for (std::size_t i = 0; i < named.size(); ++i) {
        if (!exists[i]) continue;
        auto [known, added] = playlistSavers.try_emplace(full[i], false);
        if (added) known->second = IsPlaylistSaverFile(files, full[i]);
        if (!known->second) kept.push_back(std::move(named[i]));
    }
    return kept;
}

bool IsPlaylistSaverFile(FileSystem& files, const std::string& fullPath) {
    return IsPlaylistSaver(fullPath, files.OriginalFileName(fullPath));
}

}  // namespace vr
