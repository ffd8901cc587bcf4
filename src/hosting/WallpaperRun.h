#pragma once
// How "Run..." starts a wallpaper playlist in an instance of its own. Through the file
// association where it starts this very program; otherwise (a portable copy with no association,
// or one that names another program) by starting this program with the file itself, which is
// what the association would run.
#include <optional>
#include <string>
#include <string_view>

namespace vr {

enum class WallpaperRunRoad { Association, OwnProgram };

// associatedProgram is the program the system opens the file with, nothing when it names none.
WallpaperRunRoad RoadForWallpaperRun(const std::optional<std::string>& associatedProgram,
                                     std::string_view ownExecutable);
// The parameters this program is started with to run the file: the path, quoted against blanks.
std::string WallpaperRunParameters(const std::string& path);

}  // namespace vr
