#pragma once
// The type of a file is decided by its last four characters alone.
#include <string>
#include <string_view>

namespace vr {

enum class FileKind { Screensaver, Playlist, WallpaperPlaylist, Other };

// Equal when A-Z and a-z are taken as the same letters; nothing else is folded.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);
// name with A-Z lowercased; nothing else is folded.
std::string AsciiLowercase(std::string_view name);
// The last four characters of name (all of it when shorter), ASCII A-Z lowercased.
std::string TypeKey(std::string_view name);
// ".scr" screensaver; "spls"/".spl" playlist; "scfg"/".scf" wallpaper playlist; else Other.
FileKind KindOf(std::string_view name);
// What the player may run: a screensaver by its type key that is no device ("CON.scr" is the
// console, and its full path "\\.\CON").
bool IsScreensaverEntry(std::string_view path);
// The text after the last backslash or colon.
std::string_view FileNamePart(std::string_view path);
// The host window's caption for a screensaver: its file-name part without the last four
// characters, so "C:\x\Mystify.scr" gives "Mystify".
std::string SaverTitle(std::string_view path);

}  // namespace vr
