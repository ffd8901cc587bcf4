#include "app/SessionEnd.h"

#include <gtest/gtest.h>

namespace vr {
namespace {

TEST(SessionEnd, AProgramClosedForAnUpdateSavesAndGoesAndAnEndedSessionSaves) {
    EXPECT_EQ(StepAtSessionEnd(false, false), SessionEndStep::Nothing);  // the end was called off
    EXPECT_EQ(StepAtSessionEnd(false, true), SessionEndStep::Nothing);
    EXPECT_EQ(StepAtSessionEnd(true, false), SessionEndStep::Save);  // the system ends the process
    EXPECT_EQ(StepAtSessionEnd(true, true), SessionEndStep::SaveAndExit);
}

TEST(SessionEnd, OnlyTheWallpaperModeComesBackWithItsPlaylistAndOnlyWhenItFits) {
    EXPECT_EQ(RestartArguments(false, ""), "");
    EXPECT_EQ(RestartArguments(false, "C:\\Users\\me\\imported.spls"), "");
    EXPECT_EQ(RestartArguments(true, "C:\\My Walls\\desk.scfg"), "\"C:\\My Walls\\desk.scfg\"");
    EXPECT_EQ(RestartArguments(true, ""), std::nullopt);
    EXPECT_EQ(RestartArguments(true, "C:\\odd\".scfg"), std::nullopt);

    // With its quotes and the terminating zero, the longest path that fits.
    const std::string longest = "C:\\" + std::string(kMostRestartCharacters - 3 - 3 - 5, 'w') + ".scfg";
    ASSERT_EQ(longest.size() + 3, kMostRestartCharacters);
    EXPECT_EQ(RestartArguments(true, longest), "\"" + longest + "\"");
    EXPECT_EQ(RestartArguments(true, longest + "x"), std::nullopt);
}

// The autostart shortcut brings the wallpaper back at sign-in; a restart as well would start a
// second one over it. A normal player has no shortcut of its own and always comes back.
TEST(SessionEnd, AWallpaperWithAnAutostartShortcutIsNotRestartedToo) {
    EXPECT_EQ(RestartArguments(true, "C:\\Walls\\desk.scfg", true), std::nullopt);
    EXPECT_EQ(RestartArguments(true, "C:\\Walls\\desk.scfg", false), "\"C:\\Walls\\desk.scfg\"");
    EXPECT_EQ(RestartArguments(false, "", true), "");
}

}  // namespace
}  // namespace vr
