#include "files/UnfinishedWrite.h"

#include <algorithm>

#include "files/TypeKey.h"

namespace vr {
namespace {

constexpr std::string_view kTemporaryEnding = ".tmp~";

bool AllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::string TemporaryFor(const std::string& path, std::uint32_t processId, std::uint32_t save) {
    return path + "." + std::to_string(processId) + "-" + std::to_string(save) +
           std::string(kTemporaryEnding);
}

bool IsTemporaryOf(std::string_view savedName, std::string_view name) {
    if (name.size() < savedName.size() + kTemporaryEnding.size()) return false;
    if (!EqualsIgnoringAsciiCase(name.substr(0, savedName.size()), savedName) ||
        !EqualsIgnoringAsciiCase(name.substr(name.size() - kTemporaryEnding.size()), kTemporaryEnding))
        return false;
    std::string_view middle =
        name.substr(savedName.size(), name.size() - savedName.size() - kTemporaryEnding.size());
    if (middle.empty()) return true;  // the single name earlier versions used
    if (middle.front() != '.') return false;
    middle.remove_prefix(1);
    const auto dash = middle.find('-');
    return dash != std::string_view::npos && AllDigits(middle.substr(0, dash)) &&
           AllDigits(middle.substr(dash + 1));
}

// A save writes its temporary file without pause and replaces its file within about a second of
// the last byte; minutes without a change mean nobody is coming back for it. A time in the future
// (a clock set back) proves nothing, so such a file stays.
bool IsDeadLeftover(std::chrono::seconds age) { return age >= kDeadLeftoverAge; }

}  // namespace vr
