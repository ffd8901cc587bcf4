#pragma once
// Files dropped from the shell, and the same drop delivered by the end-to-end tests: a drop
// handle means nothing in another process, so tests send the paths in a WM_COPYDATA instead and
// both arrive at one handler.
#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

namespace vr {

// The paths of a drop, in the drop's order.
std::vector<std::string> DroppedPaths(HDROP drop);
// A test drop arrives as WM_COPYDATA, whose data lives only while the sender waits; the paths
// are copied and handled from a posted message, after the sender has returned, as a shell drop
// is. False when the data is no test drop.
inline constexpr UINT kQueuedTestDropMessage = WM_APP + 0x44;
bool QueueTestDrop(HWND target, const COPYDATASTRUCT& data);
// The paths of a queued test drop (the lParam of kQueuedTestDropMessage).
std::vector<std::string> TakeQueuedTestDrop(LPARAM lParam);

// Releases a drop however its handling ends, an error included.
class DropRelease {
public:
    explicit DropRelease(HDROP drop) : drop_(drop) {}
    ~DropRelease() { DragFinish(drop_); }
    DropRelease(const DropRelease&) = delete;
    DropRelease& operator=(const DropRelease&) = delete;

private:
    HDROP drop_;
};

}  // namespace vr
