#pragma once
// The file system as the playlist rules see it; Win32 implements it, unit tests fake it.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vr {

struct FolderListing {
    std::string folder;              // the folder's full path as the system reports it
    std::vector<std::string> names;  // matching ordinary files, in listing order
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // A file, not a folder, of that name exists now (relative names from the current folder).
    virtual bool FileExists(const std::string& path) = 0;
    // The names of the files (not folders) in folder, as stored, in any order; nothing when the
    // folder cannot be listed or holds more than `limit` entries. Leaves the current folder alone.
    virtual std::optional<std::vector<std::string>> FileNamesIn(const std::string& folder,
                                                                std::size_t limit) = 0;
    // The path made absolute from the current folder; unchanged when the system cannot.
    virtual std::string FullPath(std::string path) = 0;
    // The name the program file's version resource says it was built as; empty when it has none.
    virtual std::string OriginalFileName(const std::string& path) = 0;
    // The file's lines (SplitLines of DecodeStoredText); throws AppError with OpenErrorText when it
    // cannot be read.
    virtual std::vector<std::string> ReadLines(const std::string& path) = 0;
    // Writes EncodeStoredText(JoinLines(lines)), replacing the file only once the new one is complete; throws
    // AppError with CreateErrorText when it cannot.
    virtual void WriteLines(const std::string& path, const std::vector<std::string>& lines) = 0;
    // Removes what a WriteLines of path cut short by a kill or a power cut left beside it, once
    // it is old enough that no save is still at work on it (IsDeadLeftover).
    virtual void DiscardUnfinishedWrite(const std::string& path) = 0;
    // The ordinary, non-hidden, non-system files of folder that end in .scr, .spls or .scfg,
    // sorted by SortLikeListBox; makes folder the current folder. Handles pending window
    // messages around a short pause, as a scan on the UI thread must.
    virtual FolderListing ListFolder(const std::string& folder) = 0;
};

}  // namespace vr
