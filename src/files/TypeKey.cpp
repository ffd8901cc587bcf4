#include "files/TypeKey.h"

#include "files/PlainPath.h"

#include <algorithm>

namespace vr {

namespace {

constexpr std::size_t kKeyLength = 4;

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

std::string AsciiLowercase(std::string_view name) {
    std::string lowered(name);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), LowerAscii);
    return lowered;
}

std::string TypeKey(std::string_view name) {
    return AsciiLowercase(name.substr(name.size() - std::min(name.size(), kKeyLength)));
}

FileKind KindOf(std::string_view name) {
    const std::string key = TypeKey(name);
    if (key == ".scr") return FileKind::Screensaver;
    if (key == "spls" || key == ".spl") return FileKind::Playlist;
    if (key == "scfg" || key == ".scf") return FileKind::WallpaperPlaylist;
    return FileKind::Other;
}

std::string_view FileNamePart(std::string_view path) {
    const std::size_t separator = path.find_last_of("\\:");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

std::string SaverTitle(std::string_view path) {
    const std::string_view name = FileNamePart(path);
    return std::string(name.substr(0, name.size() - std::min(name.size(), kKeyLength)));
}

bool IsScreensaverEntry(std::string_view path) {
    return KindOf(path) == FileKind::Screensaver && !NamesDevice(FileNamePart(path));
}

}  // namespace vr
