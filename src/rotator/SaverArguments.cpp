#include "rotator/SaverArguments.h"

#include <limits>
#include <optional>

namespace vr {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

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
        if (!IsDigit(c)) return std::nullopt;
        const auto digit = static_cast<std::uintptr_t>(c - '0');
        if (value > (kMax - digit) / 10) return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

// A whole switch word: "/s", "-p1234", "/c:5", not a folder's name that starts with a dash.
bool IsSwitchAt(std::string_view text, std::size_t at) {
    if ((text[at] != '/' && text[at] != '-') || (at != 0 && !IsBlank(text[at - 1])) || at + 1 >= text.size())
        return false;
    return at + 2 == text.size() || IsBlank(text[at + 2]) || text[at + 2] == ':' || IsDigit(text[at + 2]);
}

SaverArguments ClassifySwitch(std::string_view text) {
    const std::string_view rest = text.substr(2);
    switch (text[1] | 0x20) {  // ASCII lower case
    case 's': return {SaverMode::FullScreen, 0};
    case 'p':
        if (const auto window = ReadWindow(rest); window && *window != 0)
            return {SaverMode::Preview, *window};
        break;
    case 'c': return {SaverMode::Settings, ReadWindow(rest).value_or(0)};
    }
    return {SaverMode::Nothing, 0};
}

}  // namespace

SaverArguments ClassifySaverArguments(std::string_view commandLine) {
    const std::string_view text = AfterProgram(commandLine);
    if (text.empty()) return {SaverMode::Settings, 0};
    if (IsSwitchAt(text, 0)) return ClassifySwitch(text);
    // An unquoted program path with blanks leaves part of itself before the switch: the last
    // word that is a switch, with the window after it, is the one the system gave.
    for (std::size_t at = text.size(); at-- > 1;) {
        if (!IsSwitchAt(text, at)) continue;
        const SaverArguments found = ClassifySwitch(text.substr(at));
        if (found.mode != SaverMode::Nothing) return found;
    }
    return {SaverMode::Nothing, 0};
}

}  // namespace vr
