#pragma once
// Working the program's controls the way a user's actions reach them. Combo box items are read
// with the W messages: cross-process CB_GETLBTEXT through the A functions returns UTF-16 and
// overruns the buffer in Wine 8.
#include <windows.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace e2e {

// BM_CLICK, returning once the program has handled the click.
void Click(HWND button);
// BM_CLICK posted: for buttons whose handler does not return soon (a modal dialog, a
// full-screen run that blocks the program's thread).
void PostClick(HWND button);

std::vector<std::wstring> ComboItems(HWND combo);
int ComboSelection(HWND combo);  // -1 for none
// Selects an item and tells the owner with CBN_SELCHANGE, as a choice in the drop-down does.
void SelectComboItem(HWND combo, int index);

// The rows' names, through the list's accessible object (one call into the program a row).
std::vector<std::wstring> ListItems(HWND list);
int ListSelection(HWND list);  // -1 for none
// Selects an item and tells the owner with LBN_SELCHANGE, as a click on the item does.
void SelectListItem(HWND list, int index);

// A key pressed and released while `control` has the keyboard (posted WM_KEYDOWN, WM_KEYUP);
// the key-up is left out when the key-down ended the window.
void PressKey(HWND control, UINT virtualKey);
// Keys pressed together through the system's input, in order, and released in reverse, as a
// user types Shift+Tab: they go to the foreground window, and modifiers count as held.
void PressKeys(std::initializer_list<WORD> virtualKeys);
void SetText(HWND control, std::wstring_view text);

}  // namespace e2e
