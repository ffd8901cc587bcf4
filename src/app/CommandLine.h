#pragma once
// Reading the command line the way the program has always read it: only the first argument counts.
#include <string>
#include <string_view>

namespace vr {

enum class RunKind { Shutdown, WallpaperMode, Normal };

// The first item after the program name, blanks separating items, quotes grouping and removed.
std::string FirstArgument(std::string_view commandLine);
// "shutdown" exactly; else a type key of "scfg"/".scf" starts desktop wallpaper mode.
RunKind ClassifyFirstArgument(std::string_view argument);
// Whether a process's executable name (a bare name or a full path) names the program `name`:
// its file-name part (after the last '\' or ':') or the whole text, ASCII case ignored.
bool ProcessNameMatches(std::string_view exeName, std::string_view name);

}  // namespace vr
