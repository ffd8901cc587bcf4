#include "platform/FileDialogs_win.h"

#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>

#include "platform/Handles_win.h"
#include "platform/LateBound_win.h"
#include "platform/Unicode_win.h"

namespace vr {
namespace {

// Room for many names chosen at once.
constexpr std::size_t kNameBufferSize = 64 * 1024;

std::wstring NulSeparatedFilter(const std::string& filter) {
    std::wstring wide = Wide(filter);
    std::replace(wide.begin(), wide.end(), L'|', L'\0');
    wide.append(2, L'\0');
    return wide;
}

// With several files the buffer holds the folder, then each name; with one, its full path.
std::vector<std::string> SplitChosenNames(const wchar_t* buffer) {
    std::vector<std::wstring> parts;
    for (const wchar_t* p = buffer; *p; p += parts.back().size() + 1) parts.emplace_back(p);
    std::vector<std::string> paths;
    if (parts.size() <= 1) {
        for (const std::wstring& part : parts) paths.push_back(Utf8(part));
        return paths;
    }
    std::wstring folder = parts.front();
    if (folder.back() != L'\\') folder += L'\\';
    for (std::size_t i = 1; i < parts.size(); ++i) paths.push_back(Utf8(folder + parts[i]));
    return paths;
}

}  // namespace

OpenDialog::OpenDialog(std::string filter, std::string defaultExtension)
    : filter_(NulSeparatedFilter(filter)), defaultExtension_(Wide(defaultExtension)) {}

std::vector<std::string> OpenDialog::Execute(HWND owner, DWORD options) {
    std::vector<wchar_t> names(kNameBufferSize, L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter_.c_str();
    ofn.nFilterIndex = filterIndex_;
    ofn.lpstrFile = names.data();
    ofn.nMaxFile = static_cast<DWORD>(names.size());
    ofn.lpstrDefExt = defaultExtension_.c_str();
    ofn.Flags = options | OFN_EXPLORER | OFN_ENABLESIZING;
    if (!VR_LATE_BOUND(CommonDialogs, GetOpenFileNameW)(&ofn)) return {};
    filterIndex_ = ofn.nFilterIndex;
    return SplitChosenNames(names.data());
}

std::optional<std::string> ChooseSaveName(HWND owner, const std::string& filter,
                                          const std::string& defaultExtension, DWORD options) {
    const std::wstring filters = NulSeparatedFilter(filter);
    const std::wstring extension = Wide(defaultExtension);
    wchar_t name[MAX_PATH * 4]{};
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filters.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name;
    ofn.nMaxFile = MAX_PATH * 4;
    ofn.lpstrDefExt = extension.c_str();
    ofn.Flags = options | OFN_EXPLORER | OFN_ENABLESIZING;
    if (!VR_LATE_BOUND(CommonDialogs, GetSaveFileNameW)(&ofn)) return std::nullopt;
    return Utf8(name);
}

std::optional<std::string> BrowseForFolder(HWND owner, const char* title) {
    wchar_t displayName[MAX_PATH + 1]{};
    const std::wstring wideTitle = Wide(title);
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.pszDisplayName = displayName;
    info.lpszTitle = wideTitle.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    const TaskMemory<ITEMIDLIST> item(VR_LATE_BOUND(Shell, SHBrowseForFolderW)(&info));
    if (!item) return std::nullopt;
    wchar_t path[MAX_PATH]{};
    if (!VR_LATE_BOUND(Shell, SHGetPathFromIDListW)(item.get(), path)) return std::nullopt;
    return Utf8(path);
}

}  // namespace vr
