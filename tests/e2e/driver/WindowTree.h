#pragma once
// Finding the program's windows and reading what they show. Hidden windows are included
// everywhere; ask IsShown when visibility matters.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "Wait.h"

namespace e2e {

std::vector<HWND> TopWindows(DWORD processId);
// The first top-level window of the process with this class; nullptr when there is none.
HWND FindTopWindow(DWORD processId, std::wstring_view className);
HWND WaitForTopWindow(DWORD processId, std::wstring_view className,
                      std::chrono::milliseconds deadline = kDeadline);

std::vector<HWND> Children(HWND parent);     // direct children only
std::vector<HWND> Descendants(HWND parent);  // children, their children, and so on
// The descendant with this control id; nullptr when there is none.
HWND FindControl(HWND parent, int controlId);
HWND WaitForControl(HWND parent, int controlId, std::chrono::milliseconds deadline = kDeadline);

std::wstring ClassName(HWND window);
std::wstring Text(HWND window);  // caption or control text, through WM_GETTEXT
RECT WindowRect(HWND window);    // outer rectangle, screen coordinates
SIZE ClientSize(HWND window);
bool Exists(HWND window);
bool IsShown(HWND window);  // the window and all its ancestors are visible
bool IsEnabled(HWND window);
HWND Parent(HWND window);  // nullptr for a top-level window
DWORD OwnerProcess(HWND window);
bool IsDescendant(HWND window, HWND ancestor);

}  // namespace e2e
