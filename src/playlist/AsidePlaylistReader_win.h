#pragma once
// Long playlist files are read on a thread of their own, so a list of a million lines leaves the
// windows answering; short ones are read in place. A long saved playlist can be read ahead at
// start, while the windows are being created, and is taken when the start-up asks for it if the
// file and the current folder are still as they were when its reading began.
#include <memory>
#include <string>
#include <vector>

#include "playlist/PlaylistFileReader.h"

namespace vr {

class AsidePlaylistReader final : public PlaylistFileReader {
public:
    AsidePlaylistReader();
    ~AsidePlaylistReader() override;
    AsidePlaylistReader(const AsidePlaylistReader&) = delete;
    AsidePlaylistReader& operator=(const AsidePlaylistReader&) = delete;

    // Starts reading the file at the full path `path` for a SaverLines(path) to come.
    void ReadAhead(const std::string& path);
    // Drops a reading ahead that nobody asked for.
    void ForgetReadAhead();

    std::vector<std::string> SaverLines(const std::string& path) override;

private:
    struct Ahead;
    std::unique_ptr<Ahead> ahead_;
};

}  // namespace vr
