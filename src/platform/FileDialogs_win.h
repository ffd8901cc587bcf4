#pragma once
// The common open and save dialogs and the shell's folder browser, as the playlist uses them.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace vr {

// A filter in the "Description|pattern|Description|pattern" form.
class OpenDialog {
public:
    OpenDialog(std::string filter, std::string defaultExtension);
    // The chosen files as full paths in the dialog's order; empty when cancelled.
    std::vector<std::string> Execute(HWND owner, DWORD options);

private:
    std::wstring filter_;
    std::wstring defaultExtension_;
    DWORD filterIndex_ = 1;  // the choice last made is offered again
};

// The chosen name exactly as the dialog returns it; nothing when cancelled.
std::optional<std::string> ChooseSaveName(HWND owner, const std::string& filter,
                                          const std::string& defaultExtension, DWORD options);
// A file-system folder from the shell's folder browser, modal to owner; nothing when cancelled or
// not a folder.
std::optional<std::string> BrowseForFolder(HWND owner, const char* title);

}  // namespace vr
