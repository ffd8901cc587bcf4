#include "platform/Drop_win.h"

#include <memory>

#include "platform/TestDrop.h"
#include "platform/Unicode_win.h"

namespace vr {
namespace {

// WM_COPYDATA's data lives only while its sender waits; a test drop is copied and handled from
// a posted message after the sender has returned, as a shell drop is.
constexpr UINT kQueuedTestDropMessage = WM_APP + 0x44;

class DropRelease {
public:
    explicit DropRelease(HDROP drop) : drop_(drop) {}
    ~DropRelease() { DragFinish(drop_); }
    DropRelease(const DropRelease&) = delete;
    DropRelease& operator=(const DropRelease&) = delete;

private:
    HDROP drop_;
};

std::vector<std::string> DroppedPaths(HDROP drop) {
    std::vector<std::string> paths;
    UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        path.resize(DragQueryFileW(drop, i, path.data(), length + 1));
        paths.push_back(Utf8(path));
    }
    return paths;
}

bool QueueTestDrop(HWND target, const COPYDATASTRUCT& data) {
    if (data.dwData != kTestDropCopyDataId || !data.lpData) return false;
    auto paths = std::make_unique<std::vector<std::string>>();
    const char* p = static_cast<const char*>(data.lpData);
    const char* end = p + data.cbData;
    while (p < end && *p) {
        const char* stop = p;
        while (stop < end && *stop) ++stop;
        paths->emplace_back(p, stop);
        p = stop + 1;
    }
    if (!PostMessageA(target, kQueuedTestDropMessage, 0, reinterpret_cast<LPARAM>(paths.get()))) return false;
    paths.release();
    return true;
}

}  // namespace

std::optional<LRESULT> HandleDropMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam,
                                         const DropHandler& onDrop) {
    switch (msg) {
    case WM_DROPFILES: {
        DefWindowProcW(window, msg, wParam, lParam);
        const auto drop = reinterpret_cast<HDROP>(wParam);
        DropRelease release(drop);
        onDrop(DroppedPaths(drop));
        return 0;
    }
    case WM_COPYDATA:
        return QueueTestDrop(window, *reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case kQueuedTestDropMessage: {
        std::unique_ptr<std::vector<std::string>> paths(reinterpret_cast<std::vector<std::string>*>(lParam));
        onDrop(*paths);
        return 0;
    }
    }
    return std::nullopt;
}

}  // namespace vr
