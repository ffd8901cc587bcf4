#include "player/Settings.h"

#include <cstdint>
#include <limits>

namespace vr {

namespace {

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

std::string FlagLine(bool value) { return value ? "1" : "0"; }

}  // namespace

std::optional<int> ParseSettingInt(std::string_view text) {
    std::size_t at = text.find_first_not_of(' ');
    if (at == std::string_view::npos) return std::nullopt;
    const bool negative = text[at] == '-';
    if (text[at] == '-' || text[at] == '+') ++at;
    int base = 10;
    if (text.substr(at, 1) == "$") {
        base = 16;
        at += 1;
    } else if (text.substr(at, 2) == "0x" || text.substr(at, 2) == "0X") {
        base = 16;
        at += 2;
    }
    if (at == text.size()) return std::nullopt;
    // One past the largest magnitude keeps the negative end of the range reachable.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<int>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; at < text.size(); ++at) {
        const int digit = DigitValue(text[at]);
        if (digit >= base) return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > kLimit) return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(value);
}

int ReadSettingInt(const std::vector<std::string>& lines, std::size_t index, int def) {
    if (index >= lines.size()) return def;
    return ParseSettingInt(lines[index]).value_or(def);
}

bool ReadSettingFlag(const std::vector<std::string>& lines, std::size_t index, bool def) {
    if (index >= lines.size()) return def;
    return lines[index] == "1";
}

std::vector<std::string> BuildConfigLines(const ConfigSnapshot& s) {
    return {
        kConfigTitleLine,
        s.saverFile,
        std::to_string(s.host.left),
        std::to_string(s.host.top),
        std::to_string(s.host.clientWidth),
        std::to_string(s.host.clientHeight),
        std::to_string(s.playerBarLeft),
        std::to_string(s.playerBarTop),
        FlagLine(s.playlistWindowVisible),
        std::to_string(s.playlistWindow.left),
        std::to_string(s.playlistWindow.top),
        std::to_string(s.playlistWindow.clientWidth),
        std::to_string(s.playlistWindow.clientHeight),
        std::to_string(s.selectedEntry),
        std::to_string(s.intervalItem),
        FlagLine(s.helpTextVisible),
        FlagLine(s.hostMaximized),
        std::to_string(static_cast<int>(s.placement)),
        std::to_string(s.dpi),
        FlagLine(s.oneSaverAcrossMonitors),
    };
}

}  // namespace vr
