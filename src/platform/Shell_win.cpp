#include "platform/Shell_win.h"

#include <shlobj.h>
#include <wrl/client.h>

#include "platform/Handles_win.h"

namespace vr {

namespace {

using Microsoft::WRL::ComPtr;

constexpr int kShellPathLength = 260;

std::wstring ToWide(const std::string& text) {
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::wstring wide(length, L'\0');
    if (length > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string FolderFrom(UINT(WINAPI* get)(LPSTR, UINT)) {
    char path[MAX_PATH]{};
    const UINT n = get(path, MAX_PATH);
    return n < MAX_PATH ? std::string(path, n) : std::string();
}

}  // namespace

std::string ExecutablePath() {
    char path[MAX_PATH]{};
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, n);
}

std::string ProgramFolder() {
    const std::string path = ExecutablePath();
    return path.substr(0, path.find_last_of("\\/:") + 1);
}

std::string WindowsFolder() { return FolderFrom(GetWindowsDirectoryA); }

std::string SystemFolder() { return FolderFrom(GetSystemDirectoryA); }

// The shell's allocator is COM's task allocator, so the item list is given back as task memory;
// the allocator is still asked for, because a shell that cannot hand it out is reported.
std::string GetSpecialFolder(HWND owner, int csidl) {
    ComPtr<IMalloc> allocator;
    if (FAILED(SHGetMalloc(allocator.GetAddressOf()))) {
        MessageBoxA(owner, "Couldn't get pointer to IMalloc interface.", "SHGetMalloc(pMalloc)",
                    MB_ICONERROR | MB_OK);
        return {};
    }
    ITEMIDLIST* rawItems = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(owner, csidl, &rawItems)) || !rawItems) return {};
    const TaskMemory<ITEMIDLIST> items(rawItems);
    char path[kShellPathLength] = {};
    if (!SHGetPathFromIDListA(items.get(), path)) return {};
    return path;
}

bool CreateShortcut(const std::string& target, const std::string& linkFile,
                    const std::string& description, const std::string& arguments,
                    const std::string& iconFile, int iconIndex) {
    ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IShellLinkA, reinterpret_cast<void**>(link.GetAddressOf()))))
        return false;
    link->SetPath(target.c_str());
    link->SetDescription(description.c_str());
    link->SetIconLocation(iconFile.c_str(), iconIndex);
    link->SetArguments(arguments.c_str());
    ComPtr<IPersistFile> file;
    if (FAILED(link.As(&file))) return false;
    file->Save(ToWide(linkFile).c_str(), TRUE);
    return true;
}

}  // namespace vr
