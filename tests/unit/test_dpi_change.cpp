#include "platform/DpiChange.h"

#include <gtest/gtest.h>

#include "platform/DpiScale.h"

namespace vr {
namespace {

// The About window's tree: a sheet on the window, a picture and a button on the sheet, the button
// right under the picture.
const std::vector<ChildPlace> kTree{{8, 30, 505, 393}, {344, 100, 444, 200}, {344, 200, 444, 225}};

TEST(DpiChange, EveryWindowOfTheTreeTakesTheNewDpiAndNeighboursStayNeighbours) {
    const std::vector<ChildPlace> at144 = RescaledTree(kTree, 96, 144);
    EXPECT_EQ(at144,
              (std::vector<ChildPlace>{{12, 45, 758, 590}, {516, 150, 666, 300}, {516, 300, 666, 338}}));
    EXPECT_EQ(at144[1].bottom, at144[2].top);  // the button still right under the picture
    // Where sizes round apart, the edges still meet: 13-pixel rows at 120 DPI.
    const ChildPlace row1 = RescaledPlace({0, 13, 100, 26}, 96, 120),
                     row2 = RescaledPlace({0, 26, 100, 39}, 96, 120);
    EXPECT_EQ(row1.bottom, row2.top);
}

TEST(DpiChange, ThereAndBackGivesTheSamePlacesAndTheSameDpiChangesNothing) {
    EXPECT_EQ(RescaledTree(kTree, 96, 96), kTree);
    EXPECT_EQ(RescaledTree(RescaledTree(kTree, 96, 192), 192, 96), kTree);
    EXPECT_EQ(RescaledTree(RescaledTree(kTree, 96, 144), 144, 96), kTree);
}

// Any process can post the message with any pointer, or send it with none or with zeros: only a
// change as the system sends it moves the window.
TEST(DpiChange, OnlyAChangeAsTheSystemSendsItIsHonoured) {
    EXPECT_TRUE(OnlySent(kDpiChangedMessage));
    EXPECT_FALSE(OnlySent(0x0233));  // WM_DROPFILES: the shell posts it
    const ChildPlace suggested{1920, 40, 2400, 300};
    for (int dpi : {kLowestDpi, 144, kHighestDpi}) EXPECT_EQ(SuggestedPlace(dpi, &suggested), suggested);
    for (int dpi : {0, kLowestDpi - 1, kHighestDpi + 1})
        EXPECT_EQ(SuggestedPlace(dpi, &suggested), std::nullopt);
    EXPECT_EQ(SuggestedPlace(144, nullptr), std::nullopt);
    for (const ChildPlace& empty : {ChildPlace{}, ChildPlace{10, 20, 300, 20}, ChildPlace{300, 20, 10, 200}})
        EXPECT_EQ(SuggestedPlace(144, &empty), std::nullopt);
}

}  // namespace
}  // namespace vr
