#include <gtest/gtest.h>

#include "hosting/ScreenSaverPolicy.h"

namespace vr {
namespace {

const std::string kSaver = "C:\\Savers\\Calm.scr";
const std::string kSystem = "C:\\Windows\\system32";

std::string Overridden(const ScreenSaverPolicy& policy, const std::string& saver = kSaver) {
    return InstallOverriddenText(policy, saver, kSystem);
}

TEST(ScreenSaverPolicy, WithoutAPolicyOrWithOneThatAgreesTheInstallGoesAhead) {
    EXPECT_EQ(Overridden({}), "");
    EXPECT_EQ(Overridden({std::nullopt, "1"}), "");
    EXPECT_EQ(Overridden({"c:\\savers\\CALM.SCR", "1"}), "");
    EXPECT_EQ(Overridden({"calm.scr", std::nullopt}, kSystem + "\\Calm.scr"), "");  // the system folder's
    EXPECT_EQ(Overridden({"", std::nullopt}), "");                                  // left to the user
}

TEST(ScreenSaverPolicy, APolicyThatChoseAnotherSaverIsNamed) {
    EXPECT_EQ(Overridden({"C:\\Windows\\system32\\Bubbles.scr", std::nullopt}),
              "A group policy sets the screensaver to \"C:\\Windows\\system32\\Bubbles.scr\": \"Install...\" "
              "cannot change it.");
    // The same file name in another folder is another saver; a bare name is the system folder's.
    EXPECT_NE(Overridden({"D:\\Calm.scr", "1"}), "");
    EXPECT_EQ(Overridden({"Calm.scr", "1"}),
              "A group policy sets the screensaver to \"C:\\Windows\\system32\\Calm.scr\": \"Install...\" "
              "cannot change it.");
    EXPECT_NE(Overridden({"Calm.scr.bak", "1"}), "");
}

TEST(ScreenSaverPolicy, APolicyThatTurnsTheScreensaverOffOverridesEveryChoice) {
    const std::string off = "A group policy turns the screensaver off: \"Install...\" cannot turn it on.";
    EXPECT_EQ(Overridden({std::nullopt, "0"}), off);
    EXPECT_EQ(Overridden({kSaver, "0"}), off);
    EXPECT_EQ(Overridden({"C:\\Other.scr", "0"}), off);
}

}  // namespace
}  // namespace vr
