#include "playlist/AsidePlaylistReader_win.h"

#include <windows.h>

#include "platform/AsideTask_win.h"
#include "platform/FileSystem_win.h"
#include "platform/Unicode_win.h"

namespace vr {
namespace {

// What a reading depends on besides the file's name: its size and time of last change, and the
// current folder that relative lines are made full from.
struct Stamp {
    WIN32_FILE_ATTRIBUTE_DATA file{};
    bool found = false;
    std::wstring currentFolder;

    bool operator==(const Stamp& other) const {
        return found && other.found && file.nFileSizeHigh == other.file.nFileSizeHigh &&
               file.nFileSizeLow == other.file.nFileSizeLow &&
               CompareFileTime(&file.ftLastWriteTime, &other.file.ftLastWriteTime) == 0 &&
               currentFolder == other.currentFolder;
    }
};

// A thread of its own costs more than a megabyte of memory; a file of up to about a thousand
// lines is read in the time the windows may take to answer anyway.
constexpr ULONGLONG kSmallFileBytes = 64 * 1024;

Stamp StampOf(const std::string& path) {
    Stamp stamp;
    stamp.found = GetFileAttributesExW(FilePath(path).c_str(), GetFileExInfoStandard, &stamp.file);
    const DWORD length = GetCurrentDirectoryW(0, nullptr);
    stamp.currentFolder.resize(length);
    stamp.currentFolder.resize(GetCurrentDirectoryW(length, stamp.currentFolder.data()));
    return stamp;
}

bool WorthAThread(const Stamp& stamp) {
    const ULONGLONG size = (ULONGLONG{stamp.file.nFileSizeHigh} << 32) | stamp.file.nFileSizeLow;
    return stamp.found && size >= kSmallFileBytes;
}

}  // namespace

struct AsidePlaylistReader::Ahead {
    Ahead(const std::string& file, const Stamp& before)
        : path(file), stamp(before), task([this] { lines = SaverLinesOf(WinFileSystem(), path); }) {}

    const std::string path;
    const Stamp stamp;  // taken before the reading begins
    std::vector<std::string> lines;
    AsideTask task;  // last, so it ends before the lines it writes go
};

AsidePlaylistReader::AsidePlaylistReader() = default;
AsidePlaylistReader::~AsidePlaylistReader() = default;

void AsidePlaylistReader::ReadAhead(const std::string& path) {
    const Stamp stamp = StampOf(path);
    ahead_ = WorthAThread(stamp) ? std::make_unique<Ahead>(path, stamp) : nullptr;
}

void AsidePlaylistReader::ForgetReadAhead() { ahead_.reset(); }

std::vector<std::string> AsidePlaylistReader::SaverLines(const std::string& path) {
    const std::unique_ptr<Ahead> ahead = ahead_ && ahead_->path == path ? std::move(ahead_) : nullptr;
    bool readAhead = false;
    if (ahead) {
        try {
            ahead->task.Wait();
            readAhead = true;
        } catch (...) {
            // Read again below, so what is reported is the file as it is now.
        }
    }
    const Stamp now = StampOf(path);
    if (readAhead && ahead->stamp == now) return std::move(ahead->lines);
    if (!WorthAThread(now)) return SaverLinesOf(WinFileSystem(), path);
    std::vector<std::string> lines;
    AsideTask::Run([&] { lines = SaverLinesOf(WinFileSystem(), path); });
    return lines;
}

}  // namespace vr
