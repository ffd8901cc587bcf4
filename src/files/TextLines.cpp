#include "files/TextLines.h"

#include <algorithm>

namespace vr {

std::vector<std::string> SplitLines(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find('\0'));
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto at = std::find_if(bytes.begin() + static_cast<std::ptrdiff_t>(start), bytes.end(),
                                     [](char c) { return c == '\r' || c == '\n'; });
        if (at == bytes.end()) {
            lines.emplace_back(bytes.substr(start));
            break;
        }
        const auto end = static_cast<std::size_t>(at - bytes.begin());
        lines.emplace_back(bytes.substr(start, end - start));
        start = end + 1;
        if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const std::string& line : lines) size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

}  // namespace vr
