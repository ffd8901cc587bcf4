#include "platform/FreedWindows_win.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace vr {
namespace {

struct ThreadWindows {
    std::vector<HWND> all;
    std::vector<HWND> heldByDialogs;  // owners of the thread's own open dialogs
};

// Visible or not: a dialog disables its owner before it shows, and one that fills itself first
// (the folder browser lists the drives) stays hidden a while with its owner already held.
bool IsOpenDialog(HWND window) {
    wchar_t name[16] = L"";
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return wcscmp(name, L"#32770") == 0;
}

BOOL CALLBACK Collect(HWND window, LPARAM param) {
    auto& windows = *reinterpret_cast<ThreadWindows*>(param);
    windows.all.push_back(window);
    if (IsOpenDialog(window))
        if (HWND owner = GetWindow(window, GW_OWNER)) windows.heldByDialogs.push_back(owner);
    return TRUE;
}

}  // namespace

void EnableFreedWindows() {
    ThreadWindows windows;
    EnumThreadWindows(GetCurrentThreadId(), &Collect, reinterpret_cast<LPARAM>(&windows));
    const auto& held = windows.heldByDialogs;
    for (HWND window : windows.all)
        if (!IsWindowEnabled(window) && std::find(held.begin(), held.end(), window) == held.end())
            EnableWindow(window, TRUE);
}

}  // namespace vr
