#include "WindowTree.h"

#include "Messages.h"

namespace e2e {
namespace {

BOOL CALLBACK Collect(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> TopWindows(DWORD processId) {
    std::vector<HWND> all;
    EnumWindows(&Collect, reinterpret_cast<LPARAM>(&all));
    std::vector<HWND> mine;
    for (HWND w : all)
        if (OwnerProcess(w) == processId) mine.push_back(w);
    return mine;
}

HWND FindTopWindow(DWORD processId, std::wstring_view className) {
    for (HWND w : TopWindows(processId))
        if (ClassName(w) == className) return w;
    return nullptr;
}

HWND WaitForTopWindow(DWORD processId, std::wstring_view className, std::chrono::milliseconds deadline) {
    return WaitFor([&] { return FindTopWindow(processId, className); }, deadline);
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    for (HWND w = GetWindow(parent, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) children.push_back(w);
    return children;
}

std::vector<HWND> Descendants(HWND parent) {
    std::vector<HWND> all;
    EnumChildWindows(parent, &Collect, reinterpret_cast<LPARAM>(&all));
    return all;
}

HWND FindControl(HWND parent, int controlId) {
    for (HWND w : Descendants(parent))
        if (GetDlgCtrlID(w) == controlId) return w;
    return nullptr;
}

HWND WaitForControl(HWND parent, int controlId, std::chrono::milliseconds deadline) {
    return WaitFor([&] { return FindControl(parent, controlId); }, deadline);
}

std::wstring ClassName(HWND window) {
    wchar_t name[256] = {};
    const int length = GetClassNameW(window, name, 256);
    return std::wstring(name, length > 0 ? length : 0);
}

std::wstring Text(HWND window) {
    const auto length = static_cast<std::size_t>(Send(window, WM_GETTEXTLENGTH));
    std::wstring text(length + 1, L'\0');
    const auto copied = static_cast<std::size_t>(
        Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    text.resize(copied < length ? copied : length);
    return text;
}

RECT WindowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

SIZE ClientSize(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

bool Exists(HWND window) { return IsWindow(window) != FALSE; }
bool IsShown(HWND window) { return IsWindowVisible(window) != FALSE; }
bool IsEnabled(HWND window) { return IsWindowEnabled(window) != FALSE; }
HWND Parent(HWND window) {
    HWND parent = GetAncestor(window, GA_PARENT);
    return parent == GetDesktopWindow() ? nullptr : parent;
}

DWORD OwnerProcess(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    return id;
}

bool IsDescendant(HWND window, HWND ancestor) { return window && ancestor && IsChild(ancestor, window); }

}  // namespace e2e
