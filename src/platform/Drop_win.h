#pragma once
// Files dropped from the shell: by OLE drag and drop (what Explorer and most programs use), or,
// on a thread without OLE, by the shell's own WM_DROPFILES for a window that accepts files. Both
// end in one handler. A window OLE serves takes no WM_DROPFILES: only another process sends it
// one, with a handle that may point anywhere.
#include <windows.h>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Handles_win.h"

namespace vr {

using DropHandler = std::function<void(const std::vector<std::string>& paths)>;

class FileDrops {
public:
    FileDrops();
    ~FileDrops();
    FileDrops(const FileDrops&) = delete;
    FileDrops& operator=(const FileDrops&) = delete;

    // Takes dropped files on the window from now on: `onDrop` gets each drop's paths in the
    // drop's order.
    void Register(HWND window, DropHandler onDrop);
    // Takes none any more (before the window goes).
    void Revoke();
    // WM_DROPFILES, and the drops that came by OLE: the default processing first, then the
    // paths, and the drop released however the handling ends (an error included, unless the
    // shell itself cannot be loaded to read it). Nothing for any other message.
    std::optional<LRESULT> HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    class Target;
    void ReleaseTarget();
    HWND window_ = nullptr;
    DropHandler onDrop_;
    // Drops taken by OLE wait here until the window's own message for them: the source waits
    // while the drop is handled, and reading or handling it may show a message box.
    std::deque<OwnedMedium> pending_;
    Target* target_ = nullptr;  // registered with OLE, which holds it by reference count
};

}  // namespace vr
