#include <gtest/gtest.h>

#include <limits>

#include "platform/DpiScale.h"

namespace vr {
namespace {

TEST(DpiScale, KeepsFiguresAtTheDesignDpiAndScalesTheCommonSettings) {
    for (int figure : {0, 1, 13, 25, 65, 249, 630, -7}) EXPECT_EQ(ScaleForDpi(figure, 96), figure) << figure;
    // 125 %, 150 %, 200 %: the playlist's row, a button's width, the panel, the window.
    EXPECT_EQ(ScaleForDpi(13, 120), 16);    // 16.25
    EXPECT_EQ(ScaleForDpi(65, 120), 81);    // 81.25
    EXPECT_EQ(ScaleForDpi(137, 120), 171);  // 171.25
    EXPECT_EQ(ScaleForDpi(13, 144), 20);    // 19.5 rounds up
    EXPECT_EQ(ScaleForDpi(65, 144), 98);    // 97.5 rounds up
    EXPECT_EQ(ScaleForDpi(630, 144), 945);
    EXPECT_EQ(ScaleForDpi(13, 192), 26);
    EXPECT_EQ(ScaleForDpi(-11, 192), -22);
}

TEST(DpiScale, RoundsHalvesAwayFromZeroOnBothSidesAsMulDivDoes) {
    EXPECT_EQ(ScaleForDpi(1, 144), 2);    // 1.5
    EXPECT_EQ(ScaleForDpi(-1, 144), -2);  // -1.5
    EXPECT_EQ(ScaleForDpi(-13, 144), -20);
    EXPECT_EQ(ScaleForDpi(-11, 120), -14);  // -13.75
    EXPECT_EQ(ScaleForDpi(-5, 120), -6);    // -6.25
    EXPECT_EQ(ScaleForDpi(1, 120), 1);      // 1.25
    EXPECT_EQ(ScaleForDpi(2, 120), 3);      // 2.5
    EXPECT_EQ(ScaleForDpi(-2, 120), -3);
}

TEST(DpiScale, ScalesLargeFiguresWithoutOverflow) {
    EXPECT_EQ(ScaleForDpi(30000000, 192), 60000000);
    EXPECT_EQ(ScaleForDpi(-30000000, 144), -45000000);
}

// Places saved at one scale, read at another; lengths read from a file may be anything.
TEST(DpiScale, ScalesBetweenTwoDpisAndHoldsTheEndsOfTheRange) {
    EXPECT_EQ(ScaleBetweenDpis(641, 144, 144), 641);
    EXPECT_EQ(ScaleBetweenDpis(491, 144, 96), 327);  // 327.33
    EXPECT_EQ(ScaleBetweenDpis(5, 96, 144), 8);      // 7.5
    EXPECT_EQ(ScaleBetweenDpis(-5, 96, 144), -8);
    EXPECT_EQ(ScaleBetweenDpis(2000000000, 48, 960), std::numeric_limits<int>::max());
    EXPECT_EQ(ScaleBetweenDpis(std::numeric_limits<int>::min(), 96, 144), std::numeric_limits<int>::min());
}

}  // namespace
}  // namespace vr
