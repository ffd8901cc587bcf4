// Which road "Run..." takes with a wallpaper playlist, from what the system says opens the file.
#include <gtest/gtest.h>

#include "hosting/WallpaperRun.h"

namespace vr {
namespace {

constexpr const char* kOwn = "C:\\Users\\Ann\\AppData\\Local\\Programs\\Veilrunner\\Veilrunner.exe";

TEST(WallpaperRun, TheAssociationOnlyWhereItStartsThisProgram) {
    const std::string portable = "E:\\Portable\\Veilrunner\\Veilrunner.exe";
    struct Case {
        const char* name;
        std::optional<std::string> associated;
        std::string own;
        WallpaperRunRoad road;
    };
    const Case cases[] = {
        {"installed: the association names this copy", kOwn, kOwn, WallpaperRunRoad::Association},
        {"the same path in other letter case",
         "c:\\users\\ann\\appdata\\local\\programs\\veilrunner\\VEILRUNNER.EXE", kOwn,
         WallpaperRunRoad::Association},
        {"portable: no association", std::nullopt, portable, WallpaperRunRoad::OwnProgram},
        {"an empty answer", "", kOwn, WallpaperRunRoad::OwnProgram},
        {"another program's type", "C:\\Program Files\\Configurator\\scfg.exe", kOwn,
         WallpaperRunRoad::OwnProgram},
        {"an installed copy, this one portable", kOwn, portable, WallpaperRunRoad::OwnProgram},
        {"a path that only starts like this one", std::string(kOwn) + ".old\\Veilrunner.exe", kOwn,
         WallpaperRunRoad::OwnProgram},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RoadForWallpaperRun(c.associated, c.own), c.road);
    }
}

TEST(WallpaperRun, TheFileIsPassedQuotedAgainstBlanks) {
    EXPECT_EQ(WallpaperRunParameters("C:\\My Lists\\desk top.scfg"), "\"C:\\My Lists\\desk top.scfg\"");
}

}  // namespace
}  // namespace vr
