#pragma once
// The system's dialogs that the program opens: the open and save dialogs, the folder browser and
// message boxes. All of them are top-level windows of class "#32770" in the program's process,
// driven through their own controls as a user's typing and clicking would.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "Wait.h"

namespace e2e {

// A shown dialog of the process other than `previous` (one that may still be closing); nullptr
// when none appeared before the deadline.
HWND WaitForDialog(DWORD processId, HWND previous = nullptr, std::chrono::milliseconds deadline = kDeadline);
// True once the process shows no dialog any more.
bool WaitUntilNoDialog(DWORD processId, std::chrono::milliseconds deadline = kDeadline);

// Types into the file-name box of an open or save dialog.
void TypeFileName(HWND dialog, std::wstring_view text);
// Presses the dialog's OK (or Open, Save) button and returns once the dialog has handled it.
void PressOk(HWND dialog);
void PressCancel(HWND dialog);

// Makes `folder` (a full path from its drive on) the folder browser's choice the way a user
// clicks through its tree: from the drive's item below the root, each folder's item opened in
// turn by its name, the last one selected.
void SelectFolderInBrowser(HWND browser, const std::wstring& folder);

// The non-empty texts of the dialog's static controls, in window order (a message box's message,
// a folder browser's title).
std::vector<std::wstring> StaticTexts(HWND dialog);

}  // namespace e2e
