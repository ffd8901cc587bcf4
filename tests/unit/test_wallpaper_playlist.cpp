#include "hosting/WallpaperPlaylist.h"

#include <gtest/gtest.h>

#include <array>

namespace vr {
namespace {

// A host window at 100,50 .. 580,450 whose client area starts at 104,73 and is 472 x 373.
PlacementSource HostAt(PlacementChoice choice, bool maximized) {
    PlacementSource s;
    s.choice = choice;
    s.hostClientScreenX = 104;
    s.hostClientScreenY = 73;
    s.hostClientWidth = 472;
    s.hostClientHeight = 373;
    s.hostWindow = {100, 50, 580, 450};
    s.hostMaximized = maximized;
    s.programManager = ScreenRect{0, 0, 1920, 1080};
    return s;
}

struct PlacementCase {
    const char* label;
    PlacementChoice choice;
    bool maximized;
    PlacementRect expected;
};

class WallpaperPlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(WallpaperPlacementTest, RectangleOfTheChoice) {
    const PlacementCase& c = GetParam();
    const PlacementRect r = WallpaperPlacement(HostAt(c.choice, c.maximized));
    EXPECT_EQ(r.x, c.expected.x);
    EXPECT_EQ(r.y, c.expected.y);
    EXPECT_EQ(r.width, c.expected.width);
    EXPECT_EQ(r.height, c.expected.height);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, WallpaperPlacementTest,
    ::testing::Values(
        PlacementCase{"ClientArea", PlacementChoice::PlayerClientArea, false, {104, 73, 472, 373}},
        PlacementCase{"ClientAreaMaximized", PlacementChoice::PlayerClientArea, true, {104, 73, 472, 373}},
        PlacementCase{"PlayerWindow", PlacementChoice::PlayerWindow, false, {100, 50, 480, 400}},
        PlacementCase{"PlayerWindowMaximized", PlacementChoice::PlayerWindow, true, {104, 50, 472, 400}},
        PlacementCase{"WholeWorkarea", PlacementChoice::WholeWorkarea, false, {0, 0, 1920, 1080}},
        PlacementCase{"WholeWorkareaMaximized", PlacementChoice::WholeWorkarea, true, {0, 0, 1920, 1080}}),
    [](const auto& instance) { return instance.param.label; });

TEST(WallpaperPlacementTest, PlayerWindowIsTheFrameTheUserSees) {
    // The same window with the invisible borders of Windows 10 and later: 7 pixels left, right
    // and bottom. The client area and the desktop are measured without them anyway.
    const FrameInsets borders{7, 0, 7, 7};
    PlacementSource s = HostAt(PlacementChoice::PlayerWindow, false);
    s.hostBorders = borders;
    const PlacementRect r = WallpaperPlacement(s);
    EXPECT_EQ((std::array{r.x, r.y, r.width, r.height}), (std::array{107, 50, 466, 393}));
    s.hostMaximized = true;
    const PlacementRect m = WallpaperPlacement(s);
    EXPECT_EQ((std::array{m.x, m.y, m.width, m.height}), (std::array{104, 50, 472, 393}));
    s.choice = PlacementChoice::PlayerClientArea;
    const PlacementRect c = WallpaperPlacement(s);
    EXPECT_EQ((std::array{c.x, c.y, c.width, c.height}), (std::array{104, 73, 472, 373}));
}

TEST(WallpaperPlacementTest, NoProgramManagerGivesZeros) {
    PlacementSource s = HostAt(PlacementChoice::WholeWorkarea, false);
    s.programManager = std::nullopt;
    const PlacementRect r = WallpaperPlacement(s);
    EXPECT_EQ(r.x, 0);
    EXPECT_EQ(r.y, 0);
    EXPECT_EQ(r.width, 0);
    EXPECT_EQ(r.height, 0);
}

TEST(BuildWallpaperPlaylistTest, FiveHeaderLinesThenTheEntries) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(BuildWallpaperPlaylist({-8, 20, 320, 240}, 2, {"C:\\a.scr", "b.scr"}),
              (Lines{"-8", "20", "320", "240", "2", "C:\\a.scr", "b.scr"}));
    EXPECT_EQ(BuildWallpaperPlaylist({0, 0, 0, 0}, -1, {}), (Lines{"0", "0", "0", "0", "-1"}));
}

}  // namespace
}  // namespace vr
