#pragma once
// Reading a playlist file for its entries. Long playlists take a while, so the program reads
// them off its UI thread; the rule of what a file gives is the same wherever it runs.
#include <string>
#include <vector>

#include "files/FileSystem.h"

namespace vr {

// The lines of the playlist file at `path` that name existing screensavers, as written (relative
// ones tested from the current folder), in file order. Playlists do not nest. Veilrunner.scr,
// under any name, is never one: the playlist it plays would play itself. Throws AppError when the
// file cannot be read.
std::vector<std::string> SaverLinesOf(FileSystem& files, const std::string& path);

// Whether the existing file at fullPath is Veilrunner.scr, by its name or the name it was built as.
bool IsPlaylistSaverFile(FileSystem& files, const std::string& fullPath);

class PlaylistFileReader {
public:
    virtual ~PlaylistFileReader() = default;
    // SaverLinesOf the file as it is now.
    virtual std::vector<std::string> SaverLines(const std::string& path) = 0;
};

}  // namespace vr
