#include "hosting/WallpaperAutostart.h"

#include <gtest/gtest.h>

namespace vr {
namespace {

TEST(WallpaperAutostart, LinkNameCarriesTheFileNameWithItsExtension) {
    EXPECT_EQ(AutostartLinkName("C:\\Users\\me\\Walls\\mine.scfg"),
              "Desktop Wallpaper Mode Playlist - (mine.scfg).lnk");
}

TEST(WallpaperAutostart, LinkNameOfABareNameOrADrivePath) {
    EXPECT_EQ(AutostartLinkName("mine.scfg"), "Desktop Wallpaper Mode Playlist - (mine.scfg).lnk");
    EXPECT_EQ(AutostartLinkName("D:WALL~1.SCF"), "Desktop Wallpaper Mode Playlist - (WALL~1.SCF).lnk");
}

TEST(WallpaperAutostart, SameFileInAnotherFolderGivesTheSameName) {
    EXPECT_EQ(AutostartLinkName("C:\\a\\mine.scfg"), AutostartLinkName("E:\\b\\c\\mine.scfg"));
}

TEST(WallpaperAutostart, LinkPathJoinsTheFolderWithOneBackslash) {
    EXPECT_EQ(AutostartLinkPath("C:\\Startup", "C:\\x\\mine.scfg"),
              "C:\\Startup\\Desktop Wallpaper Mode Playlist - (mine.scfg).lnk");
    EXPECT_EQ(AutostartLinkPath("C:\\", "C:\\x\\mine.scfg"),
              "C:\\Desktop Wallpaper Mode Playlist - (mine.scfg).lnk");
}

}  // namespace
}  // namespace vr
