// Dragging the player bar carries the windows docked to it; dragging another window moves it alone.
#include <gtest/gtest.h>

#include "Monitors.h"
#include "docking_support.h"

namespace {

using docking::MoveWindowTo;
using docking::TopLeft;

using docking::Place;
using docking::Shifted;

// The playlist window docked below the bar, 20 pixels in from its left edge, and the host window
// docked to the playlist window's right, 40 pixels lower: away from the bar, so it goes with the
// bar only through the playlist window.
void ChainBelowTheBar(const docking::PlayerHandles& player) {
    const RECT bar = e2e::WindowRect(player.bar);
    MoveWindowTo(player.playlist, bar.left + 20, bar.bottom);
    const RECT playlist = e2e::WindowRect(player.playlist);
    ASSERT_EQ(TopLeft(player.playlist), (Place{bar.left + 20, bar.bottom}));
    MoveWindowTo(player.host, playlist.right, playlist.top + 40);
    ASSERT_EQ(TopLeft(player.host), (Place{playlist.right, playlist.top + 40}));
}

TEST(DockingCarry, BarDragCarriesDockedWindowsAtTheirOffsets) {
    e2e::Sandbox sandbox;
    const docking::PlayerHandles player = docking::StartPlayer(sandbox);
    ChainBelowTheBar(player);
    const Place bar = TopLeft(player.bar);
    const Place playlist = TopLeft(player.playlist);
    const Place host = TopLeft(player.host);

    docking::DragCaption(player.bar, 60, 40);

    EXPECT_EQ(TopLeft(player.bar), Shifted(bar, 60, 40));
    EXPECT_EQ(TopLeft(player.playlist), Shifted(playlist, 60, 40));
    EXPECT_EQ(TopLeft(player.host), Shifted(host, 60, 40));
}

TEST(DockingCarry, HiddenDockedWindowIsCarriedAndStaysHidden) {
    e2e::Sandbox sandbox;
    const docking::PlayerHandles player = docking::StartPlayer(sandbox);
    ChainBelowTheBar(player);
    // Closing the playlist window only hides it; hidden, it still links the host window to the bar.
    e2e::Send(player.playlist, WM_CLOSE);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !e2e::IsShown(player.playlist); }));
    const Place playlist = TopLeft(player.playlist);
    const Place host = TopLeft(player.host);

    docking::DragCaption(player.bar, 60, 40);

    EXPECT_EQ(TopLeft(player.playlist), Shifted(playlist, 60, 40));
    EXPECT_FALSE(e2e::IsShown(player.playlist));
    EXPECT_EQ(TopLeft(player.host), Shifted(host, 60, 40));
}

TEST(DockingCarry, WindowElevenPixelsAwayStaysBehind) {
    e2e::Sandbox sandbox;
    const docking::PlayerHandles player = docking::StartPlayer(sandbox);
    const RECT bar = e2e::WindowRect(player.bar);
    // The host window docked below the bar; the playlist window 11 pixels right of it, rows overlapping.
    MoveWindowTo(player.host, bar.left + 30, bar.bottom);
    MoveWindowTo(player.playlist, bar.right + 11, bar.top + 10);
    const Place host = TopLeft(player.host);
    const Place playlist = TopLeft(player.playlist);
    ASSERT_EQ(host, (Place{bar.left + 30, bar.bottom}));
    ASSERT_EQ(playlist, (Place{bar.right + 11, bar.top + 10}));

    // Away from the playlist window, so the bar meets no edge on its way.
    docking::DragCaption(player.bar, -50, 30);

    EXPECT_EQ(TopLeft(player.bar), (Place{bar.left - 50, bar.top + 30}));
    EXPECT_EQ(TopLeft(player.host), Shifted(host, -50, 30));
    EXPECT_EQ(TopLeft(player.playlist), playlist);
}

TEST(DockingCarry, PlaylistDragMovesNoOtherWindow) {
    e2e::Sandbox sandbox;
    const docking::PlayerHandles player = docking::StartPlayer(sandbox);
    ChainBelowTheBar(player);
    const Place bar = TopLeft(player.bar);
    const Place playlist = TopLeft(player.playlist);
    const Place host = TopLeft(player.host);

    // On its way the playlist window snaps back onto the bar's bottom for a while, so only the end
    // of the drag, clear of every edge, is a known place.
    docking::DragCaption(player.playlist, 40, 60, 4, false);

    EXPECT_EQ(TopLeft(player.playlist), Shifted(playlist, 40, 60));
    EXPECT_EQ(TopLeft(player.bar), bar);
    EXPECT_EQ(TopLeft(player.host), host);
}

}  // namespace

// On two monitors side by side the second's edges pull as the screen's do, and the windows
// carried with the bar go along onto it.
TEST(TwoMonitorsDocking, BarDraggedNearTheSecondMonitorsLeftEdgeLandsOnItWithItsWindows) {
    const e2e::TwoMonitors monitors = e2e::ListTwoMonitors();
    e2e::Sandbox sandbox;
    const docking::PlayerHandles player = docking::StartPlayer(sandbox);
    ChainBelowTheBar(player);
    const Place bar = TopLeft(player.bar), playlist = TopLeft(player.playlist), host = TopLeft(player.host);

    // Let go 7 pixels right of the second monitor's left edge: the bar lands on the edge.
    const long dx = monitors.second.left - bar.x;
    docking::DragCaption(player.bar, dx + 7, 0, 4, false);
    EXPECT_EQ(TopLeft(player.bar), (Place{monitors.second.left, bar.y}));
    EXPECT_EQ(TopLeft(player.playlist), Shifted(playlist, dx, 0));
    EXPECT_EQ(TopLeft(player.host), Shifted(host, dx, 0));

    // The second monitor's right and bottom edges, where the primary has none.
    const SIZE size = docking::OuterSize(player.host);
    MoveWindowTo(player.host, monitors.second.right - size.cx - 7, monitors.second.bottom - size.cy + 8);
    EXPECT_EQ(TopLeft(player.host),
              (Place{monitors.second.right - size.cx, monitors.second.bottom - size.cy}));
}
