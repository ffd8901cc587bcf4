#include "rotator/SaverProbe_win.h"

#include "platform/FileSystem_win.h"
#include "platform/VersionResource_win.h"

namespace vr {

bool WinEntryProbe::Exists(const std::string& path) { return WinFileSystem().FileExists(path); }

bool WinEntryProbe::IsThisProgram(const std::string& path) {
    return IsPlaylistSaver(path, OriginalFileName(path));
}

}  // namespace vr
