#pragma once
// What a screen reader (or any accessibility client) learns of an owner-drawn list box that holds
// no strings: the list as a list, its rows as list items named by their text, selected and
// focused as the list shows them. The list box itself can name no row, so without this such a
// list reads as empty.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include <wrl/client.h>

namespace vr {

class ListAccessible;

class ListAccessibility {
public:
    // rowText: the text the list draws in a row (0-based), asked for on the list's thread.
    explicit ListAccessibility(std::function<std::wstring(int row)> rowText);
    // Clients may hold the object longer than the window lives; from here on it answers them
    // that it is gone.
    ~ListAccessibility();
    ListAccessibility(const ListAccessibility&) = delete;
    ListAccessibility& operator=(const ListAccessibility&) = delete;

    // The answer to the list's WM_GETOBJECT, or nothing where the list's own answer stands.
    std::optional<LRESULT> Answer(HWND list, WPARAM wParam, LPARAM lParam);

private:
    std::function<std::wstring(int)> rowText_;
    Microsoft::WRL::ComPtr<ListAccessible> object_;
};

}  // namespace vr
