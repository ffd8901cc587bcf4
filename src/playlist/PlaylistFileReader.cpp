#include "playlist/PlaylistFileReader.h"

#include "files/ExistenceChecks.h"
#include "files/TypeKey.h"

namespace vr {

std::vector<std::string> SaverLinesOf(FileSystem& files, const std::string& path) {
    std::vector<std::string> lines = files.ReadLines(path);
    std::vector<std::string> named;
    named.reserve(lines.size());
    for (std::string& line : lines)
        if (KindOf(line) == FileKind::Screensaver) named.push_back(files.FullPath(std::move(line)));
    const std::vector<bool> exists = FilesExist(files, named);
    std::vector<std::string> kept;
    kept.reserve(named.size());
    for (std::size_t i = 0; i < named.size(); ++i)
        if (exists[i]) kept.push_back(std::move(named[i]));
    return kept;
}

}  // namespace vr
