#include "docking/OnScreen.h"

#include <gtest/gtest.h>

namespace vr {
namespace {

// Two monitors side by side, the second one left of the primary; the taskbar takes 40 px.
const std::vector<DockRect> kMonitors{{0, 0, 1920, 1080}, {-1280, 0, 1280, 1024}};
const DockRect kPrimaryWork{0, 0, 1920, 1040};

struct OnScreenCase {
    const char* label;
    DockRect window;
    DockPoint placed;
};

class OnScreenTest : public ::testing::TestWithParam<OnScreenCase> {};

TEST_P(OnScreenTest, OnlyAWindowOnNoMonitorMoves) {
    EXPECT_EQ(PlaceOnScreen(GetParam().window, kMonitors, kPrimaryWork), GetParam().placed);
}

INSTANTIATE_TEST_SUITE_P(
    Places, OnScreenTest,
    ::testing::Values(OnScreenCase{"OnTheSecondMonitorStays", {-1000, 100, 400, 300}, {-1000, 100}},
                      OnScreenCase{"HalfOffTheEdgeStays", {1800, 900, 400, 300}, {1800, 900}},
                      OnScreenCase{"OnePixelOnAMonitorStays", {-399, -299, 400, 300}, {-399, -299}},
                      OnScreenCase{"FarOffComesInAtTheNearestEdge", {-32768, 32767, 484, 80}, {0, 960}},
                      OnScreenCase{"RightOfEverythingComesBackInside", {5000, 200, 400, 300}, {1520, 200}},
                      OnScreenCase{"LargerThanTheAreaShowsItsCaption", {3000, 3000, 2500, 1200}, {0, 0}},
                      OnScreenCase{
                          "ExtremeSizesDoNotWrap", {2147483000, 2147483000, 2147483, 2147483}, {0, 0}}),
    [](const auto& instance) { return instance.param.label; });

}  // namespace
}  // namespace vr
