#include "hosting/WallpaperRun.h"

#include "files/TypeKey.h"

namespace vr {

// Paths on Windows ignore case; a spelling this misses (another case of a letter beyond ASCII, a
// short 8.3 name) only takes the other road, which starts this same program.
WallpaperRunRoad RoadForWallpaperRun(const std::optional<std::string>& associatedProgram,
                                     std::string_view ownExecutable) {
    const bool namesThisProgram = associatedProgram && !associatedProgram->empty() &&
                                  EqualsIgnoringAsciiCase(*associatedProgram, ownExecutable);
    return namesThisProgram ? WallpaperRunRoad::Association : WallpaperRunRoad::OwnProgram;
}

std::string WallpaperRunParameters(const std::string& path) { return "\"" + path + "\""; }

}  // namespace vr
