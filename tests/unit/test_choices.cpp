#include "player/Choices.h"

#include <gtest/gtest.h>

#include "playlist/Playlist.h"

namespace vr {
namespace {

TEST(IntervalOfItemTest, ItemsZeroToFourteenOnly) {
    EXPECT_EQ(IntervalOfItem(0), kChangeManuallyMs);
    EXPECT_EQ(IntervalOfItem(4), 21000u);
    EXPECT_EQ(IntervalOfItem(14), 2520000u);
    EXPECT_EQ(IntervalOfItem(-1), std::nullopt);
    EXPECT_EQ(IntervalOfItem(15), std::nullopt);
    EXPECT_EQ(IntervalOfItem(99), std::nullopt);
}

TEST(IntervalOfItemTest, OnlyTheFirstItemStopsTheRotation) {
    EXPECT_STREQ(kIntervalChoices[0].caption, "Change manually");
    for (std::size_t i = 1; i < kIntervalChoices.size(); ++i) {
        EXPECT_NE(kIntervalChoices[i].milliseconds, kChangeManuallyMs) << i;
    }
}

// A list another process broke reports no item, or one it does not have: the kept choice stays.
TEST(KeptIntervalItemTest, OnlyAnItemTheListHasReplacesTheKeptChoice) {
    for (int item : {0, 14}) EXPECT_EQ(KeptIntervalItem(4, item), item);
    for (int kept : {-1, 2}) EXPECT_EQ(KeptIntervalItem(kept, -1), kept);
    EXPECT_EQ(KeptIntervalItem(2, 15), 2);
}

TEST(SizeOfItemTest, TheCurrentSizeItemChangesNothing) {
    EXPECT_EQ(SizeOfItem(0), std::nullopt);
    EXPECT_EQ(SizeOfItem(-1), std::nullopt);
    EXPECT_EQ(SizeOfItem(9), std::nullopt);
    ASSERT_TRUE(SizeOfItem(3).has_value());
    EXPECT_EQ(SizeOfItem(3)->width, 474);
    EXPECT_EQ(SizeOfItem(3)->height, 355);
    EXPECT_EQ(SizeOfItem(8)->width, 1600);
}

TEST(SizeCaptionTest, WidthTimesHeight) {
    EXPECT_EQ(SizeCaption(412, 257), "412 x 257");
    EXPECT_EQ(SizeCaption(0, 0), "0 x 0");
    // The captions of the fixed items follow the same form, save the last one's blank.
    for (std::size_t i = 1; i + 1 < kSizeChoices.size(); ++i) {
        EXPECT_EQ(SizeCaption(kSizeChoices[i].size.width, kSizeChoices[i].size.height),
                  kSizeChoices[i].caption);
    }
    EXPECT_EQ(std::string(kSizeChoices[8].caption), "1600 x 1200 ");
}

}  // namespace
}  // namespace vr
