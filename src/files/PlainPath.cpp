#include "files/PlainPath.h"

#include <algorithm>
#include <array>

#include "files/TypeKey.h"

namespace vr {
namespace {

// Long playlists test every line, so the characters no name may hold are looked up in a table.
constexpr std::array<bool, 256> kNotInNames = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 0x20; ++c) table[c] = true;
    for (unsigned char c : std::string_view("<>:\"/|?*")) table[c] = true;
    return table;
}();

bool HoldsOnlyNameCharacters(std::string_view component) {
    return std::none_of(component.begin(), component.end(),
                        [](char c) { return kNotInNames[static_cast<unsigned char>(c)]; });
}

}  // namespace

// COM and LPT count with a superscript digit too.
bool NamesDevice(std::string_view component) {
    std::string_view base = component.substr(0, component.find('.'));
    while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
    // The longest device name, "CONOUT$", has seven characters; "COM" with a superscript six bytes.
    if (base.size() < 3 || base.size() > 7) return false;
    constexpr std::array<std::string_view, 6> kDevices{"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    for (std::string_view device : kDevices)
        if (EqualsIgnoringAsciiCase(base, device)) return true;
    if (base.size() < 4) return false;
    const std::string_view prefix = base.substr(0, 3), number = base.substr(3);
    if (!EqualsIgnoringAsciiCase(prefix, "COM") && !EqualsIgnoringAsciiCase(prefix, "LPT")) return false;
    constexpr std::array<std::string_view, 3> kSuperscripts{"\xC2\xB9", "\xC2\xB2", "\xC2\xB3"};
    return (number.size() == 1 && number[0] >= '0' && number[0] <= '9') ||
           std::find(kSuperscripts.begin(), kSuperscripts.end(), number) != kSuperscripts.end();
}

namespace {

bool TakenAsWritten(std::string_view component) {
    return !component.empty() && component.back() != '.' && component.back() != ' ' &&
           HoldsOnlyNameCharacters(component) && !NamesDevice(component);
}

}  // namespace

bool IsPlainAbsolutePath(std::string_view path) {
    if (path.size() < 4 || path[0] < 'A' || path[0] > 'Z' || path.substr(1, 2) != ":\\") return false;
    for (std::size_t start = 3;;) {
        const std::size_t end = path.find('\\', start);
        if (!TakenAsWritten(path.substr(start, end - start))) return false;
        if (end == std::string_view::npos) return true;
        start = end + 1;
    }
}

}  // namespace vr
