#include <gtest/gtest.h>

#include "playlist/ListDrop.h"

using vr::DropLineGap;
using vr::DropTarget;
using vr::ListReleasePoint;
using vr::VisibleItemIndex;

TEST(ListDrop, ReleaseOutsideTheListIsNoDropWhateverTheListReports) {
    EXPECT_EQ(DropTarget({false, false, 3, 0}), std::nullopt);
    EXPECT_EQ(DropTarget({false, true, 3, 0}), std::nullopt);
}

TEST(ListDrop, InsideOnAnItemTargetsItAndBelowTheLastEntryIsTheEnd) {
    EXPECT_EQ(DropTarget({true, true, 0, 0}), 0);
    EXPECT_EQ(DropTarget({true, true, 7, 2}), 7);
    EXPECT_EQ(DropTarget({true, false, 9, 0}), -1);
}

// LB_ITEMFROMPOINT keeps 16 bits of the index: entries past 65,535 come back from the visible
// range, across the wrap of the low word too.
TEST(ListDrop, IndexesPastSixteenBitsComeFromTheVisibleRange) {
    EXPECT_EQ(VisibleItemIndex(5, 0), 5);
    EXPECT_EQ(VisibleItemIndex(65535, 65530), 65535);
    EXPECT_EQ(VisibleItemIndex(0, 65530), 65536);
    EXPECT_EQ(VisibleItemIndex(4, 65530), 65540);
    EXPECT_EQ(VisibleItemIndex(70000 - 65536, 69990), 70000);
    EXPECT_EQ(VisibleItemIndex(3 * 65536 + 12 - 3 * 65536, 3 * 65536 + 10), 3 * 65536 + 12);
    EXPECT_EQ(DropTarget({true, true, 100000 & 0xFFFF, 99990}), 100000);
}

// The line marks where the entry lands: above the row it is dropped on when it moves up, below it
// when it moves down, below the last row for a drop under the entries.
TEST(ListDrop, TheDropLineMarksTheGapTheEntryLandsIn) {
    EXPECT_EQ(DropLineGap(0, 2, 4), 0);
    EXPECT_EQ(DropLineGap(1, 2, 4), 1);
    EXPECT_EQ(DropLineGap(3, 1, 4), 4);
    EXPECT_EQ(DropLineGap(2, 0, 4), 3);
    EXPECT_EQ(DropLineGap(-1, 0, 4), 4);
    EXPECT_EQ(DropLineGap(9, 0, 4), 4);  // past the end, as the move takes it
    // Nowhere it would not move: on its own row, below the entries when it is the last one,
    // outside the list, with nothing selected.
    EXPECT_EQ(DropLineGap(2, 2, 4), std::nullopt);
    EXPECT_EQ(DropLineGap(-1, 3, 4), std::nullopt);
    EXPECT_EQ(DropLineGap(std::nullopt, 1, 4), std::nullopt);
    EXPECT_EQ(DropLineGap(1, -1, 4), std::nullopt);
    EXPECT_EQ(DropLineGap(0, 0, 0), std::nullopt);
}
