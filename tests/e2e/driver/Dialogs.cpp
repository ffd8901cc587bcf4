#include "Dialogs.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

#include "Controls.h"
#include "Messages.h"
#include "Text.h"
#include "WindowTree.h"

namespace e2e {
namespace {

constexpr wchar_t kDialogClass[] = L"#32770";
// The file-name box: an edit (edt1) in the classic layout, a combo box (cmb13) with an edit
// inside in the explorer layout.
constexpr int kFileNameEdit = 1152;
constexpr int kFileNameCombo = 1148;

HWND FindDialog(DWORD processId, HWND previous = nullptr) {
    for (HWND w : TopWindows(processId))
        if (w != previous && ClassName(w) == kDialogClass && IsShown(w)) return w;
    return nullptr;
}

HWND FileNameBox(HWND dialog) {
    if (HWND edit = FindControl(dialog, kFileNameEdit); edit && ClassName(edit) == L"Edit") return edit;
    HWND combo = FindControl(dialog, kFileNameCombo);
    if (!combo) return nullptr;
    if (ClassName(combo) == L"Edit") return combo;
    for (HWND w : Descendants(combo))
        if (ClassName(w) == L"Edit") return w;
    return nullptr;
}

// Memory in another process, for messages whose parameter points at a structure or a buffer.
class RemoteMemory {
public:
    RemoteMemory(DWORD processId, std::size_t size)
        : process_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId)) {
        if (process_)
            address_ = static_cast<char*>(
                VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
        if (!address_) {
            Release();
            throw std::runtime_error("cannot reserve memory in process " + std::to_string(processId));
        }
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;
    ~RemoteMemory() { Release(); }

    char* At(std::size_t offset) const { return address_ + offset; }
    void Write(const char* at, const void* bytes, std::size_t size) const {
        if (!WriteProcessMemory(process_, const_cast<char*>(at), bytes, size, nullptr))
            throw std::runtime_error("cannot write into the process");
    }
    // Reads from any address of the process: a control may answer with a pointer of its own.
    void Read(const void* at, void* bytes, std::size_t size) const {
        if (!ReadProcessMemory(process_, at, bytes, size, nullptr))
            throw std::runtime_error("cannot read from the process");
    }

private:
    void Release() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
        address_ = nullptr;
        process_ = nullptr;
    }

    HANDLE process_ = nullptr;
    char* address_ = nullptr;
};

HTREEITEM NextItem(HWND tree, UINT relation, HTREEITEM item) {
    return reinterpret_cast<HTREEITEM>(Send(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

std::wstring ItemText(HWND tree, HTREEITEM item) {
    constexpr std::size_t kChars = MAX_PATH;
    const RemoteMemory remote(OwnerProcess(tree), sizeof(TVITEMW) + kChars * sizeof(wchar_t));
    TVITEMW request{};
    request.mask = TVIF_HANDLE | TVIF_TEXT;
    request.hItem = item;
    request.pszText = reinterpret_cast<LPWSTR>(remote.At(sizeof(TVITEMW)));
    request.cchTextMax = kChars;
    remote.Write(remote.At(0), &request, sizeof request);
    Send(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(remote.At(0)));
    TVITEMW answer{};
    remote.Read(remote.At(0), &answer, sizeof answer);
    std::wstring text(kChars, L'\0');
    remote.Read(answer.pszText, text.data(), kChars * sizeof(wchar_t));
    text.resize(text.find(L'\0'));
    return text;
}

std::vector<HTREEITEM> ChildItems(HWND tree, HTREEITEM item) {
    Send(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
    std::vector<HTREEITEM> children;
    for (HTREEITEM c = NextItem(tree, TVGN_CHILD, item); c; c = NextItem(tree, TVGN_NEXT, c))
        children.push_back(c);
    return children;
}

bool SameName(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

HTREEITEM ChildNamed(HWND tree, HTREEITEM parent, const std::wstring& name) {
    for (HTREEITEM child : ChildItems(tree, parent))
        if (SameName(ItemText(tree, child), name)) return child;
    return nullptr;
}

// A drive is shown as "<label> (C:)" one level below the tree's root, under the computer.
HTREEITEM DriveItem(HWND tree, wchar_t drive) {
    const std::wstring suffix = std::wstring(L"(") + drive + L":)";
    for (HTREEITEM top : ChildItems(tree, NextItem(tree, TVGN_ROOT, nullptr)))
        for (HTREEITEM item : ChildItems(tree, top)) {
            const std::wstring text = ItemText(tree, item);
            if (text.size() >= suffix.size() && SameName(text.substr(text.size() - suffix.size()), suffix))
                return item;
        }
    return nullptr;
}

}  // namespace

HWND WaitForDialog(DWORD processId, HWND previous, std::chrono::milliseconds deadline) {
    return WaitFor([&] { return FindDialog(processId, previous); }, deadline);
}

bool WaitUntilNoDialog(DWORD processId, std::chrono::milliseconds deadline) {
    return WaitUntil([&] { return FindDialog(processId) == nullptr; }, deadline);
}

void TypeFileName(HWND dialog, std::wstring_view text) {
    HWND box = FileNameBox(dialog);
    if (!box) throw std::runtime_error("the dialog has no file-name box");
    SetText(box, text);
}

void PressOk(HWND dialog) { Click(GetDlgItem(dialog, IDOK)); }
void PressCancel(HWND dialog) { Click(GetDlgItem(dialog, IDCANCEL)); }

void SelectFolderInBrowser(HWND browser, const std::wstring& folder) {
    HWND tree = nullptr;
    for (HWND w : Descendants(browser))
        if (ClassName(w) == L"SysTreeView32") tree = w;
    if (!tree || folder.size() < 3 || folder.compare(1, 2, L":\\") != 0)
        throw std::runtime_error("no folder tree, or no drive in " + ToUtf8(folder));
    HTREEITEM item = DriveItem(tree, folder[0]);
    for (std::size_t start = 3; item && start < folder.size();) {
        const std::size_t end = std::min(folder.find(L'\\', start), folder.size());
        item = ChildNamed(tree, item, folder.substr(start, end - start));
        start = end + 1;
    }
    if (!item) throw std::runtime_error("the folder browser does not show " + ToUtf8(folder));
    Send(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
}

std::vector<std::wstring> StaticTexts(HWND dialog) {
    std::vector<std::wstring> texts;
    for (HWND w : Descendants(dialog))
        if (ClassName(w) == L"Static")
            if (std::wstring text = Text(w); !text.empty()) texts.push_back(std::move(text));
    return texts;
}

}  // namespace e2e
