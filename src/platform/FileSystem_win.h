#pragma once
// The real file system behind the playlist and settings rules.
#include "files/FileSystem.h"

namespace vr {

class WinFileSystemImpl : public FileSystem {
public:
    bool FileExists(const std::string& path) override;
    std::optional<std::vector<std::string>> FileNamesIn(const std::string& folder,
                                                        std::size_t limit) override;
    std::string FullPath(std::string path) override;
    std::string OriginalFileName(const std::string& path) override;
    std::vector<std::string> ReadLines(const std::string& path) override;
    void WriteLines(const std::string& path, const std::vector<std::string>& lines) override;
    void DiscardUnfinishedWrite(const std::string& path) override;
    FolderListing ListFolder(const std::string& folder) override;
};

FileSystem& WinFileSystem();
// Throws the AppError of a file that cannot be opened, with the system's text for `error`.
[[noreturn]] void ThrowOpenError(const std::string& path, unsigned long error);

}  // namespace vr
