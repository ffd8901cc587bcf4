#include "Diagnostics.h"

#include <string>

#include "Text.h"
#include "WindowTree.h"

namespace e2e {
namespace {

std::string Describe(HWND window, int depth) {
    wchar_t caption[256] = {};
    GetWindowTextW(window, caption, 256);
    const RECT r = WindowRect(window);
    std::string line(static_cast<std::size_t>(depth) * 2 + 2, ' ');
    line += ToUtf8(ClassName(window)) + " \"" + ToUtf8(caption) + "\" " +
            (IsWindowVisible(window) ? "shown" : "hidden") + " (" + std::to_string(r.left) + "," +
            std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," + std::to_string(r.bottom) + ")\n";
    for (HWND child : Children(window)) line += Describe(child, depth + 1);
    return line;
}

}  // namespace

std::string DescribeWindowsOf(DWORD processId) {
    std::string report;
    for (HWND window : TopWindows(processId)) report += Describe(window, 0);
    return report.empty() ? "  (no windows)\n" : report;
}

}  // namespace e2e
