#include "rotator/SaverArguments.h"

#include <limits>
#include <optional>

namespace vr {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view SkipBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    return text;
}

std::string_view AfterProgram(std::string_view commandLine) {
    std::string_view rest = SkipBlanks(commandLine);
    if (!rest.empty() && rest.front() == '"') {
        const auto close = rest.find('"', 1);
        return close == std::string_view::npos ? std::string_view{} : SkipBlanks(rest.substr(close + 1));
    }
    std::size_t end = 0;
    while (end < rest.size() && !IsBlank(rest[end])) ++end;
    return SkipBlanks(rest.substr(end));
}

// Decimal digits up to the next blank; nothing for no digits, anything else or an overflow, so
// a garbled handle never names some other window.
std::optional<std::uintptr_t> ReadWindow(std::string_view text) {
    while (!text.empty() && (IsBlank(text.front()) || text.front() == ':')) text.remove_prefix(1);
    std::size_t end = 0;
    while (end < text.size() && !IsBlank(text[end])) ++end;
    text = text.substr(0, end);
    if (text.empty()) return std::nullopt;
    constexpr std::uintptr_t kMax = std::numeric_limits<std::uintptr_t>::max();
    std::uintptr_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        const auto digit = static_cast<std::uintptr_t>(c - '0');
        if (value > (kMax - digit) / 10) return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

}  // namespace

SaverArguments ClassifySaverArguments(std::string_view commandLine) {
    const std::string_view text = AfterProgram(commandLine);
    if (text.empty()) return {SaverMode::Settings, 0};
    if (text.size() < 2 || (text.front() != '/' && text.front() != '-')) return {SaverMode::Nothing, 0};
    const std::string_view rest = text.substr(2);
    switch (text[1] | 0x20) {  // ASCII lower case
    case 's': return {SaverMode::FullScreen, 0};
    case 'p':
        if (const auto window = ReadWindow(rest); window && *window != 0) return {SaverMode::Preview, *window};
        break;
    case 'c': return {SaverMode::Settings, ReadWindow(rest).value_or(0)};
    }
    return {SaverMode::Nothing, 0};
}

}  // namespace vr
