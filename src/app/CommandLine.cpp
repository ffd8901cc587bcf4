#include "app/CommandLine.h"

#include <algorithm>

#include "files/TypeKey.h"

namespace vr {
namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Reads one item starting at pos: quotes toggle grouping and are dropped.
std::string ReadItem(std::string_view s, std::size_t& pos) {
    while (pos < s.size() && IsBlank(s[pos])) ++pos;
    std::string item;
    bool quoted = false;
    for (; pos < s.size(); ++pos) {
        char c = s[pos];
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && IsBlank(c)) {
            break;
        } else {
            item += c;
        }
    }
    return item;
}

}  // namespace

std::string FirstArgument(std::string_view commandLine) {
    std::size_t pos = 0;
    ReadItem(commandLine, pos);  // the program's own name
    return ReadItem(commandLine, pos);
}

RunKind ClassifyFirstArgument(std::string_view argument) {
    if (argument == "shutdown") return RunKind::Shutdown;
    if (KindOf(argument) == FileKind::WallpaperPlaylist) return RunKind::WallpaperMode;
    return RunKind::Normal;
}

bool ProcessNameMatches(std::string_view exeName, std::string_view name) {
    return EqualsIgnoringAsciiCase(FileNamePart(exeName), name) || EqualsIgnoringAsciiCase(exeName, name);
}

}  // namespace vr
