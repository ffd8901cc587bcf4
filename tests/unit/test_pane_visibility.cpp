#include "hosting/PaneVisibility.h"

#include <gtest/gtest.h>

namespace vr {
namespace {

using Change = PaneVisibility::Change;

// Windows reports each cause on its own road (session, power, size, the look over the monitor):
// the pane is seen again only once the last of them is gone, and a repeated report changes nothing.
TEST(PaneVisibility, SeenAgainOnlyWhenEveryCauseIsGone) {
    PaneVisibility pane;
    EXPECT_TRUE(pane.Seen());
    EXPECT_EQ(pane.Covered(true), Change::Hidden);
    EXPECT_EQ(pane.Covered(true), Change::None);
    EXPECT_EQ(pane.SessionLocked(true), Change::None);
    EXPECT_EQ(pane.ConsoleDisplayOn(false), Change::None);
    EXPECT_EQ(pane.SessionConnected(false), Change::None);
    EXPECT_EQ(pane.Covered(false), Change::None);
    EXPECT_EQ(pane.SessionLocked(false), Change::None);
    EXPECT_EQ(pane.ConsoleDisplayOn(true), Change::None);
    EXPECT_FALSE(pane.Seen());
    EXPECT_EQ(pane.SessionConnected(true), Change::Seen);  // reconnected
    EXPECT_EQ(pane.Minimised(true), Change::Hidden);
    EXPECT_EQ(pane.SessionConnected(true), Change::None);
    EXPECT_EQ(pane.Minimised(false), Change::Seen);
    EXPECT_TRUE(pane.Seen());
}

// Under Remote Desktop the physical display may be off while the session's own is on: once the
// session's display has reported, it alone says whether the session is shown.
TEST(PaneVisibility, TheSessionsOwnDisplayOverrulesTheConsolesOnceItReports) {
    PaneVisibility pane;
    EXPECT_EQ(pane.ConsoleDisplayOn(false), Change::Hidden);
    EXPECT_EQ(pane.SessionDisplayOn(true), Change::Seen);
    EXPECT_EQ(pane.ConsoleDisplayOn(false), Change::None);
    EXPECT_EQ(pane.ConsoleDisplayOn(true), Change::None);
    EXPECT_EQ(pane.SessionDisplayOn(false), Change::Hidden);
    EXPECT_EQ(pane.ConsoleDisplayOn(true), Change::None);
    EXPECT_EQ(pane.SessionDisplayOn(true), Change::Seen);
}

TEST(PaneVisibility, OnlyAWindowOverTheWholeMonitorCoversIt) {
    const DockRect monitor{-1280, 0, 1280, 1024};
    EXPECT_TRUE(CoversMonitor({-1280, 0, 1280, 1024}, monitor));
    EXPECT_TRUE(CoversMonitor({-1288, -8, 1296, 1040}, monitor));  // maximised with its borders
    EXPECT_FALSE(CoversMonitor({-1280, 0, 1280, 984}, monitor));   // the taskbar still shows
    EXPECT_FALSE(CoversMonitor({0, 0, 1920, 1080}, monitor));      // another monitor
}

// One look over the monitor, changed a step at a time as the windows and the shell's state would
// change on Windows.
TEST(PaneVisibility, OnlyWhatLiesAboveTheHostAndIsShownCoversThePane) {
    const DockRect monitor{0, 0, 1920, 1080};
    const DockRect whole{-8, -8, 1936, 1096};
    const TopWindow host{.rect = {400, 300, 420, 291}, .host = true};
    MonitorLook look{.monitor = monitor, .windows = {host}};
    EXPECT_FALSE(PaneCovered(look));

    // A video full screen under the host, which stays on top: the pane is in view.
    look.windows = {host, {.rect = whole}};
    EXPECT_FALSE(PaneCovered(look));
    // The same window made always-on-top above the host.
    look.windows = {{.rect = whole}, host};
    EXPECT_TRUE(PaneCovered(look));
    // On another virtual desktop, or as a suspended app, it is not on the screen.
    look.windows = {{.rect = whole, .cloaked = true}, host};
    EXPECT_FALSE(PaneCovered(look));
    // An overlay that lets everything through.
    look.windows = {{.rect = whole, .seeThrough = true}, host};
    EXPECT_FALSE(PaneCovered(look));
    // A preview's own full-screen window, or one of the player's.
    look.windows = {{.rect = whole, .ours = true}, host};
    EXPECT_FALSE(PaneCovered(look));
    // Half the monitor, even above the host.
    look.windows = {{.rect = {0, 0, 960, 1080}}, host};
    EXPECT_FALSE(PaneCovered(look));
    // A full-screen window among others above.
    look.windows = {{.rect = {0, 0, 960, 1080}}, {.rect = whole}, host, {.rect = whole}};
    EXPECT_TRUE(PaneCovered(look));

    // The host left on another virtual desktop is seen by nobody, whatever lies over it.
    TopWindow cloakedHost = host;
    cloakedHost.cloaked = true;
    look.windows = {cloakedHost};
    EXPECT_TRUE(PaneCovered(look));

    // A game that owns the display, or a presentation, with nothing above the host.
    look.windows = {host, {.rect = whole}};
    look.screen = UserScreenState::FullScreenGame;
    EXPECT_TRUE(PaneCovered(look));
    look.screen = UserScreenState::Presentation;
    EXPECT_TRUE(PaneCovered(look));
    look.screen = UserScreenState::Ordinary;
    EXPECT_FALSE(PaneCovered(look));
}

// Embedded in the desktop, the host lives in the desktop's window at the bottom of the z-order:
// every ordinary window is above it, and an ordinary full-screen window hides it.
TEST(PaneVisibility, EmbeddedInTheDesktopEveryOrdinaryWindowLiesAbove) {
    const DockRect monitor{0, 0, 1920, 1080};
    MonitorLook look{
        .monitor = monitor,
        .windows = {{.rect = {100, 100, 800, 600}}, {.rect = monitor}, {.rect = monitor, .host = true}}};
    EXPECT_TRUE(PaneCovered(look));
    look.windows.erase(look.windows.begin() + 1);
    EXPECT_FALSE(PaneCovered(look));
}

}  // namespace
}  // namespace vr
