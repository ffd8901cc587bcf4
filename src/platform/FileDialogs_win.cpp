#include "platform/FileDialogs_win.h"

#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>

#include "platform/Handles_win.h"

namespace vr {
namespace {

// Room for many names chosen at once.
constexpr std::size_t kNameBufferSize = 64 * 1024;

std::string NulSeparatedFilter(std::string filter) {
    std::replace(filter.begin(), filter.end(), '|', '\0');
    filter.append(2, '\0');
    return filter;
}

// With several files the buffer holds the folder, then each name; with one, its full path.
std::vector<std::string> SplitChosenNames(const char* buffer) {
    std::vector<std::string> parts;
    for (const char* p = buffer; *p; p += parts.back().size() + 1) parts.emplace_back(p);
    if (parts.size() <= 1) return parts;
    std::string folder = parts.front();
    if (folder.back() != '\\') folder += '\\';
    std::vector<std::string> paths;
    for (std::size_t i = 1; i < parts.size(); ++i) paths.push_back(folder + parts[i]);
    return paths;
}

}  // namespace

OpenDialog::OpenDialog(std::string filter, std::string defaultExtension)
    : filter_(NulSeparatedFilter(std::move(filter))), defaultExtension_(std::move(defaultExtension)) {}

std::vector<std::string> OpenDialog::Execute(HWND owner, DWORD options) {
    std::vector<char> names(kNameBufferSize, '\0');
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter_.c_str();
    ofn.nFilterIndex = filterIndex_;
    ofn.lpstrFile = names.data();
    ofn.nMaxFile = static_cast<DWORD>(names.size());
    ofn.lpstrDefExt = defaultExtension_.c_str();
    ofn.Flags = options | OFN_EXPLORER | OFN_ENABLESIZING;
    if (!GetOpenFileNameA(&ofn)) return {};
    filterIndex_ = ofn.nFilterIndex;
    return SplitChosenNames(names.data());
}

std::optional<std::string> ChooseSaveName(HWND owner, const std::string& filter,
                                          const std::string& defaultExtension, DWORD options) {
    std::string filters = NulSeparatedFilter(filter);
    char name[MAX_PATH * 4]{};
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filters.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name;
    ofn.nMaxFile = sizeof name;
    ofn.lpstrDefExt = defaultExtension.c_str();
    ofn.Flags = options | OFN_EXPLORER | OFN_ENABLESIZING;
    if (!GetSaveFileNameA(&ofn)) return std::nullopt;
    return std::string(name);
}

std::optional<std::string> BrowseForFolder(const char* title) {
    char displayName[261]{};
    BROWSEINFOA info{};
    info.pszDisplayName = displayName;
    info.lpszTitle = title;
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    const TaskMemory<ITEMIDLIST> item(SHBrowseForFolderA(&info));
    if (!item) return std::nullopt;
    char path[MAX_PATH]{};
    if (!SHGetPathFromIDListA(item.get(), path)) return std::nullopt;
    return std::string(path);
}

}  // namespace vr
