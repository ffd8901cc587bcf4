#include "platform/Shell_win.h"

#include <shlobj.h>
#include <wrl/client.h>

#include "platform/Handles_win.h"
#include "platform/LateBound_win.h"
#include "platform/Unicode_win.h"

namespace vr {

namespace {

using Microsoft::WRL::ComPtr;

// The path a system function writes, asked again with room enough when it did not fit.
std::string FolderFrom(UINT(WINAPI* get)(LPWSTR, UINT)) {
    std::wstring path(MAX_PATH, L'\0');
    UINT n = get(path.data(), static_cast<UINT>(path.size()));
    if (n >= path.size()) {
        path.resize(n);
        n = get(path.data(), static_cast<UINT>(path.size()));
    }
    path.resize(n < path.size() ? n : 0);
    return Utf8(path);
}

}  // namespace

// The program may live in a folder deeper than the old 260-character limit.
std::string ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return Utf8(path);
        }
        path.resize(path.size() * 2);
    }
}

std::string ProgramFolder() {
    const std::string path = ExecutablePath();
    return path.substr(0, path.find_last_of("\\/:") + 1);
}

std::string WindowsFolder() { return FolderFrom(GetWindowsDirectoryW); }

std::string SystemFolder() { return FolderFrom(GetSystemDirectoryW); }

std::vector<std::string> SystemFolders() {
    std::vector<std::string> folders{SystemFolder()};
    // A 32-bit system has no such folder and answers with nothing.
    std::string wow64 = FolderFrom(GetSystemWow64DirectoryW);
    if (!wow64.empty()) folders.push_back(std::move(wow64));
    return folders;
}

// The shell's allocator is COM's task allocator, so the item list is given back as task memory;
// the allocator is still asked for, because a shell that cannot hand it out is reported.
std::string GetSpecialFolder(HWND owner, int csidl) {
    ComPtr<IMalloc> allocator;
    if (FAILED(VR_LATE_BOUND(Shell, SHGetMalloc)(allocator.GetAddressOf()))) {
        MessageBoxW(owner, L"Couldn't get pointer to IMalloc interface.", L"SHGetMalloc(pMalloc)",
                    MB_ICONERROR | MB_OK);
        return {};
    }
    ITEMIDLIST* rawItems = nullptr;
    if (FAILED(VR_LATE_BOUND(Shell, SHGetSpecialFolderLocation)(owner, csidl, &rawItems)) || !rawItems)
        return {};
    const TaskMemory<ITEMIDLIST> items(rawItems);
    wchar_t path[MAX_PATH] = {};
    if (!VR_LATE_BOUND(Shell, SHGetPathFromIDListW)(items.get(), path)) return {};
    return Utf8(path);
}

bool CreateShortcut(const std::string& target, const std::string& linkFile, const std::string& description,
                    const std::string& arguments, const std::string& iconFile, int iconIndex) {
    ComPtr<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(link.GetAddressOf()))))
        return false;
    link->SetPath(Wide(target).c_str());
    link->SetDescription(Wide(description).c_str());
    link->SetIconLocation(Wide(iconFile).c_str(), iconIndex);
    link->SetArguments(Wide(arguments).c_str());
    ComPtr<IPersistFile> file;
    if (FAILED(link.As(&file))) return false;
    file->Save(Wide(linkFile).c_str(), TRUE);
    return true;
}

}  // namespace vr
