#include "rotator/MonitorLayout.h"

#include <gtest/gtest.h>

namespace vr {
namespace {

constexpr MonitorArea kPrimary{0, 0, 1024, 768, true};
constexpr MonitorArea kRight{1024, 0, 1824, 600, false};
constexpr MonitorArea kLeft{-800, 0, 0, 600, false};
constexpr MonitorArea kAbove{0, -600, 800, 0, false};

using Kept = std::vector<std::optional<std::size_t>>;

TEST(MonitorLayout, ThePrimaryPlaysFirstThenTheOthersLeftToRightThenTopToBottom) {
    EXPECT_EQ(PlayingOrder({kRight, kAbove, kLeft, kPrimary}),
              (std::vector<MonitorArea>{kPrimary, kLeft, kAbove, kRight}));
    // A monitor the system lists with no size has nothing to cover.
    EXPECT_EQ(PlayingOrder({kRight, {5, 5, 5, 600, false}, kPrimary}),
              (std::vector<MonitorArea>{kPrimary, kRight}));
    EXPECT_TRUE(PlayingOrder({}).empty());
}

TEST(MonitorLayout, MonitorKPlaysTheEntryKPlacesOnAmongThoseThatCanPlay) {
    const auto all = [](std::size_t) { return true; };
    EXPECT_EQ(EntriesOnMonitors(1, 2, 3, all), (std::vector<std::size_t>{1, 2}));
    EXPECT_EQ(EntriesOnMonitors(2, 2, 3, all), (std::vector<std::size_t>{2, 0}));  // round the end
    // Fewer entries than monitors: they repeat in order.
    EXPECT_EQ(EntriesOnMonitors(1, 5, 2, all), (std::vector<std::size_t>{1, 0, 1, 0, 1}));
    // Entries that are gone or broken are passed over; the only one left plays everywhere.
    const auto odd = [](std::size_t i) { return i % 2 == 1; };
    EXPECT_EQ(EntriesOnMonitors(1, 3, 5, odd), (std::vector<std::size_t>{1, 3, 1}));
    EXPECT_EQ(EntriesOnMonitors(3, 2, 4, [](std::size_t i) { return i == 3; }),
              (std::vector<std::size_t>{3, 3}));
    EXPECT_TRUE(EntriesOnMonitors(3, 2, 3, all).empty());
    EXPECT_TRUE(EntriesOnMonitors(0, 0, 3, all).empty());
}

TEST(MonitorLayout, ALayoutChangeKeepsTheWindowsOfMonitorsThatStayedWhereTheyWere) {
    // Unchanged, listed in another order: every window plays on.
    EXPECT_EQ(KeptWindows(PlayingOrder({kPrimary, kRight}), PlayingOrder({kRight, kPrimary})), (Kept{0, 1}));
    // Added: the new monitor gets a window of its own.
    EXPECT_EQ(KeptWindows({kPrimary}, PlayingOrder({kRight, kPrimary})), (Kept{0, std::nullopt}));
    // Removed: its window is kept by nobody and goes.
    EXPECT_EQ(KeptWindows({kPrimary, kRight}, {kPrimary}), (Kept{0}));
    EXPECT_EQ(KeptWindows({kPrimary, kRight}, {}), Kept{});
    // Moved left of and above the primary: negative places, the primary still plays first and
    // keeps its window; the moved monitor needs a new one.
    EXPECT_EQ(KeptWindows({kPrimary, kRight}, PlayingOrder({kLeft, kPrimary})), (Kept{0, std::nullopt}));
    EXPECT_EQ(KeptWindows({kPrimary, kLeft}, PlayingOrder({kPrimary, kAbove})), (Kept{0, std::nullopt}));
    // Resized in place (another resolution): a window of the new size.
    EXPECT_EQ(KeptWindows({kPrimary, kRight}, {kPrimary, {1024, 0, 2304, 1024, false}}),
              (Kept{0, std::nullopt}));
    // Another monitor made the primary: the places are counted from it, so all are new.
    const MonitorArea wasPrimary{-1024, 0, 0, 768, false}, nowPrimary{0, 0, 800, 600, true};
    EXPECT_EQ(KeptWindows({kPrimary, kRight}, PlayingOrder({wasPrimary, nowPrimary})),
              (Kept{std::nullopt, std::nullopt}));
    // Two monitors mirroring one area: each window is kept once.
    EXPECT_EQ(KeptWindows({kPrimary, kPrimary}, {kPrimary, kPrimary}), (Kept{0, 1}));
}

}  // namespace
}  // namespace vr
