#include <gtest/gtest.h>

#include "rotator/UserInput.h"

namespace vr {
namespace {

using Kind = InputEvent::Kind;

TEST(UserInput, KeysClicksAndWheelsFromADeviceAreTheUsersInjectedOnesOnlyWithNoSaverRunning) {
    for (Kind kind : {Kind::Key, Kind::Button, Kind::Wheel}) {
        UserInput input;
        EXPECT_TRUE(input.IsUsers({kind, false}, true));
        EXPECT_FALSE(input.IsUsers({kind, true}, true)) << "a saver may have made it";
        EXPECT_TRUE(input.IsUsers({kind, true}, false)) << "nobody of ours could have";
    }
}

TEST(UserInput, AHandRestingOnTheMouseIsNoMoveAndASaverMovingThePointerIsNone) {
    UserInput input;
    EXPECT_FALSE(input.IsUsers({Kind::Move, false, 374, 229}, true)) << "the first only says where it is";
    // Jitter back and forth by a pixel or two, for as long as it lasts.
    for (int i = 0; i < 1000; ++i) {
        EXPECT_FALSE(input.IsUsers({Kind::Move, false, 2, -1}, true));
        EXPECT_FALSE(input.IsUsers({Kind::Move, false, -2, 1}, true));
    }
    // A saver moves the pointer far, by injected moves or SetCursorPos (seen only as the place the
    // next real move starts from): neither adds to the hand's move.
    EXPECT_FALSE(input.IsUsers({Kind::Move, true, 500, 300}, true));
    EXPECT_FALSE(input.IsUsers({Kind::Move, false, -500, -300}, true)) << "Wine's echo of a SetCursorPos";
    EXPECT_FALSE(input.IsUsers({Kind::Move, false, 1, 1}, true));
    EXPECT_FALSE(input.IsUsers({Kind::Move, false, 3, 3}, true)) << "4 pixels in all";
    EXPECT_TRUE(input.IsUsers({Kind::Move, false, 1, 0}, true)) << "5 pixels: the hand moved";

    UserInput oneMove;
    oneMove.IsUsers({Kind::Move, false, 0, 0}, true);
    EXPECT_TRUE(oneMove.IsUsers({Kind::Move, false, 0, -40}, true));
}

}  // namespace
}  // namespace vr
