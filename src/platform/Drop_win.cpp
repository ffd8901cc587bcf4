#include "platform/Drop_win.h"

#include <shellapi.h>

#include "platform/TestDrop.h"

namespace vr {

std::vector<std::string> DroppedPaths(HDROP drop) {
    std::vector<std::string> paths;
    UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        UINT length = DragQueryFileA(drop, i, nullptr, 0);
        std::string path(length + 1, '\0');
        path.resize(DragQueryFileA(drop, i, path.data(), length + 1));
        paths.push_back(std::move(path));
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

std::vector<std::string> TakeQueuedTestDrop(LPARAM lParam) {
    std::unique_ptr<std::vector<std::string>> paths(reinterpret_cast<std::vector<std::string>*>(lParam));
    return std::move(*paths);
}

}  // namespace vr
