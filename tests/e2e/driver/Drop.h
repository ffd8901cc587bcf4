#pragma once
// Dropping files on a window of the program, by the two roads the shell has.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Drags the files onto the window by OLE drag and drop, as Explorer does: the real pointer is
// put over the window's middle and DoDragDrop carries a shell file list there and drops it.
// Returns once the window has taken the drop; it handles it from its message queue.
void DropFiles(HWND target, const std::vector<std::wstring>& paths);

// Posts the files as a WM_DROPFILES of another process: the drop's data is written into the
// program's own memory, which the message then names.
void PostDropFilesMessage(HWND target, const std::vector<std::wstring>& paths);

}  // namespace e2e
