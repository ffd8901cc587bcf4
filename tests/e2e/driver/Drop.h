#pragma once
// Dropping files on a window of the program. A drop handle means nothing in another process,
// so the program takes a WM_COPYDATA test drop into the same handler as WM_DROPFILES.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Sends the paths (converted to ANSI, as the shell's ANSI drop gives them) and returns once
// the program has handled them.
void DropFiles(HWND target, const std::vector<std::wstring>& paths);

}  // namespace e2e
