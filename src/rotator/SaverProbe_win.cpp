#include "rotator/SaverProbe_win.h"

#include <windows.h>

#include <vector>

#include "platform/FileSystem_win.h"
#include "platform/Unicode_win.h"

namespace vr {
namespace {

// The name the file's version resource says it was built as, in its first language; empty
// when it has none.
std::string OriginalFileName(const std::string& path) {
    const std::wstring file = FilePath(path);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    if (size == 0) return {};
    std::vector<unsigned char> info(size);
    if (!GetFileVersionInfoW(file.c_str(), 0, size, info.data())) return {};
    struct Translation {
        WORD language;
        WORD codePage;
    }* translations = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
                        &length) ||
        length < sizeof(Translation))
        return {};
    wchar_t key[64];
    wsprintfW(key, L"\\StringFileInfo\\%04x%04x\\OriginalFilename", translations->language,
              translations->codePage);
    wchar_t* name = nullptr;
    if (!VerQueryValueW(info.data(), key, reinterpret_cast<void**>(&name), &length) || length == 0) return {};
    return Utf8(std::wstring_view(name, length - 1));
}

}  // namespace

bool WinEntryProbe::Exists(const std::string& path) { return WinFileSystem().FileExists(path); }

bool WinEntryProbe::IsThisProgram(const std::string& path) {
    const std::string originalFileName = OriginalFileName(path);
    return IsPlaylistSaver(path, originalFileName) || IsPlayerProgram(originalFileName);
}

}  // namespace vr
