#include "rotator/SaverProbe_win.h"

#include "hosting/SaverCommand.h"
#include "platform/FileSystem_win.h"
#include "platform/VersionResource_win.h"

namespace vr {

bool WinEntryProbe::Exists(const std::string& path) { return WinFileSystem().FileExists(path); }

bool WinEntryProbe::IsThisProgram(const std::string& path) {
    const std::string originalFileName = OriginalFileName(path);
    return IsPlaylistSaver(path, originalFileName) || IsPlayerProgram(originalFileName);
}

}  // namespace vr
