#include "hosting/PaneVisibility.h"

#include <gtest/gtest.h>

namespace vr {
namespace {

using Change = PaneVisibility::Change;

// Windows reports each cause on its own road (session, power, size, foreground): the pane is
// seen again only once the last of them is gone, and a repeated report changes nothing.
TEST(PaneVisibility, SeenAgainOnlyWhenEveryCauseIsGone) {
    PaneVisibility pane;
    EXPECT_TRUE(pane.Seen());
    EXPECT_EQ(pane.CoveredByFullScreen(true), Change::Hidden);
    EXPECT_EQ(pane.CoveredByFullScreen(true), Change::None);
    EXPECT_EQ(pane.SessionLocked(true), Change::None);
    EXPECT_EQ(pane.DisplayOn(false), Change::None);
    EXPECT_EQ(pane.CoveredByFullScreen(false), Change::None);
    EXPECT_EQ(pane.SessionLocked(false), Change::None);
    EXPECT_FALSE(pane.Seen());
    EXPECT_EQ(pane.DisplayOn(true), Change::Seen);
    EXPECT_EQ(pane.Minimised(true), Change::Hidden);
    EXPECT_EQ(pane.DisplayOn(true), Change::None);
    EXPECT_EQ(pane.Minimised(false), Change::Seen);
    EXPECT_TRUE(pane.Seen());
}

TEST(PaneVisibility, OnlyAWindowOverTheWholeMonitorCoversIt) {
    const DockRect monitor{-1280, 0, 1280, 1024};
    EXPECT_TRUE(CoversMonitor({-1280, 0, 1280, 1024}, monitor));
    EXPECT_TRUE(CoversMonitor({-1288, -8, 1296, 1040}, monitor));  // maximised with its borders
    EXPECT_FALSE(CoversMonitor({-1280, 0, 1280, 984}, monitor));   // the taskbar still shows
    EXPECT_FALSE(CoversMonitor({0, 0, 1920, 1080}, monitor));      // another monitor
}

}  // namespace
}  // namespace vr
