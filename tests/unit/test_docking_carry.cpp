// Which windows a dragged player bar carries, and where it puts them.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>

#include "docking/Carrying.h"

namespace vr {
namespace {

// The bar: 482 x 71 at (100, 100), right 582, bottom 171.
constexpr DockRect kBar{100, 100, 482, 71};
constexpr DockRect kFar{2000, 2000, 100, 100};

DockingState Carried(std::optional<DockPoint> hostOffset, std::optional<DockPoint> playlistOffset) {
    DockingState state;
    if (hostOffset) {
        state.hostDocked = true;
        state.hostOffsetX = hostOffset->x;
        state.hostOffsetY = hostOffset->y;
    }
    if (playlistOffset) {
        state.playlistDocked = true;
        state.playlistOffsetX = playlistOffset->x;
        state.playlistOffsetY = playlistOffset->y;
    }
    return state;
}

struct DecideCase {
    const char* name;
    std::optional<DockRect> host;
    std::optional<DockRect> playlist;
    DockingState expected;
};

TEST(DecideCarry, WindowsDockedToTheBar) {
    const DecideCase cases[] = {
        {"playlist on the bar's right, tops equal", std::nullopt, DockRect{582, 100, 630, 529},
         Carried(std::nullopt, DockPoint{482, 0})},
        {"playlist at right + 10", std::nullopt, DockRect{592, 120, 630, 529},
         Carried(std::nullopt, DockPoint{492, 20})},
        {"playlist at right + 11", std::nullopt, DockRect{593, 120, 630, 529}, {}},
        {"corner touching", DockRect{582, 171, 420, 291}, std::nullopt,
         Carried(DockPoint{482, 71}, std::nullopt)},
        {"columns touching, 10 below", DockRect{582, 181, 420, 291}, std::nullopt,
         Carried(DockPoint{482, 81}, std::nullopt)},
        {"right + 11 and 10 below", DockRect{593, 181, 420, 291}, std::nullopt, {}},
        {"bottoms 4 apart, nothing else", DockRect{700, 120, 100, 55}, std::nullopt, {}},
        {"host below, playlist above", DockRect{100, 171, 420, 291}, DockRect{90, -429, 630, 529},
         Carried(DockPoint{0, 71}, DockPoint{-10, -529})},
        // Its offsets are 0, which keeps the bar snapping to it during the move.
        {"host at the bar's own corner", DockRect{100, 100, 420, 291}, std::nullopt,
         Carried(DockPoint{0, 0}, std::nullopt)},
        {"neither exists", std::nullopt, std::nullopt, {}},
        {"both far away", kFar, DockRect{3000, 3000, 100, 100}, {}},
    };
    for (const DecideCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DecideCarry(kBar, c.host, c.playlist), c.expected);
    }
}

TEST(DecideCarry, WindowsDockedThroughTheOther) {
    // A playlist window on the bar's right: right 1212, bottom 629.
    const DockRect playlistAtBar{582, 100, 630, 529};
    // A host window on the bar's right: right 1002, bottom 391.
    const DockRect hostAtBar{582, 100, 420, 291};
    const DecideCase cases[] = {
        {"host below the playlist, far from the bar", DockRect{582, 634, 420, 291}, playlistAtBar,
         Carried(DockPoint{482, 534}, DockPoint{482, 0})},
        {"playlist below the host, far from the bar", hostAtBar, DockRect{700, 400, 630, 529},
         Carried(DockPoint{482, 0}, DockPoint{600, 300})},
        {"host 11 below the playlist", DockRect{582, 640, 420, 291}, playlistAtBar,
         Carried(std::nullopt, DockPoint{482, 0})},
        {"docked to each other, not to the bar",
         DockRect{1000, 500, 420, 291},
         DockRect{1000, 791, 630, 529},
         {}},
    };
    for (const DecideCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DecideCarry(kBar, c.host, c.playlist), c.expected);
    }
}

TEST(DecideCarry, ThroughTheOtherNeedsBothWindows) {
    // Without a host window nothing can link a far playlist window to the bar.
    EXPECT_EQ(DecideCarry(kBar, std::nullopt, DockRect{582, 634, 420, 291}), DockingState{});
}

struct TargetCase {
    const char* name;
    DockingState state;
    bool wallpaperMode;
    CarryTargets expected;
};

TEST(CarryTargetsFor, PlacesCarriedWindowsAtTheirOffsets) {
    const DockPoint bar{300, 200};
    const TargetCase cases[] = {
        {"nothing carried", {}, false, {}},
        {"host only", Carried(DockPoint{482, 71}, std::nullopt), false, {DockPoint{782, 271}, std::nullopt}},
        {"playlist only",
         Carried(std::nullopt, DockPoint{-10, -529}),
         false,
         {std::nullopt, DockPoint{290, -329}}},
        {"both",
         Carried(DockPoint{0, 71}, DockPoint{482, 0}),
         false,
         {DockPoint{300, 271}, DockPoint{782, 200}}},
        {"offsets 0", Carried(DockPoint{0, 0}, std::nullopt), false, {DockPoint{300, 200}, std::nullopt}},
        {"wallpaper mode", Carried(DockPoint{0, 71}, DockPoint{482, 0}), true, {}},
    };
    for (const TargetCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CarryTargetsFor(bar, c.state, c.wallpaperMode), c.expected);
    }
}

TEST(CarryTargetsFor, TargetsAtTheEndsOfTheRangeAreHeldThere) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    const CarryTargets targets =
        CarryTargetsFor({kMax - 100, 0}, Carried(DockPoint{482, 0}, std::nullopt), false);
    EXPECT_EQ(targets.host, (DockPoint{kMax, 0}));
}

}  // namespace
}  // namespace vr
