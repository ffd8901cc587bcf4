// The snapping rules on their own: screen edges, every monitor's edges, one neighbour window, and
// the docked relation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>

#include "docking/Snapping.h"

namespace vr {
namespace {

constexpr std::int32_t kSW = 1024;
constexpr std::int32_t kSH = 768;

struct ScreenCase {
    const char* name;
    std::int32_t x, y, w, h;
    DockPoint expected;
};

TEST(SnapToScreen, PullsOntoTheEdgesWithinTheirRanges) {
    const ScreenCase cases[] = {
        // S1, H = 100: the top range includes both ends.
        {"top +10", 500, 10, 300, 100, {500, 0}},
        {"top -10", 500, -10, 300, 100, {500, 0}},
        {"top +11", 500, 11, 300, 100, {500, 11}},
        {"top -11", 500, -11, 300, 100, {500, -11}},
        // The bottom range excludes both ends.
        {"bottom 758", 500, 658, 300, 100, {500, 658}},
        {"bottom 759", 500, 659, 300, 100, {500, 668}},
        {"bottom 777", 500, 677, 300, 100, {500, 668}},
        {"bottom 778", 500, 678, 300, 100, {500, 678}},
        // S2, W = 300.
        {"left +10", 10, 300, 300, 100, {0, 300}},
        {"left -10", -10, 300, 300, 100, {0, 300}},
        {"left +11", 11, 300, 300, 100, {11, 300}},
        {"left -11", -11, 300, 300, 100, {-11, 300}},
        {"right 1014", 714, 300, 300, 100, {714, 300}},
        {"right 1015", 715, 300, 300, 100, {724, 300}},
        {"right 1033", 733, 300, 300, 100, {724, 300}},
        {"right 1034", 734, 300, 300, 100, {734, 300}},
        // Both axes in one request.
        {"corner", 5, 665, 300, 100, {0, 668}},
        {"far off screen", -700, -700, 300, 100, {-700, -700}},
        // The far test is skipped once the near one fired, even where it would fire after it.
        {"tall window at top", 500, 5, 300, 760, {500, 0}},
        {"wide window at left", -3, 300, 1020, 100, {0, 300}},
        // A window as large as the screen, near its top-left corner.
        {"screen-sized", 4, -6, kSW, kSH, {0, 0}},
    };
    for (const ScreenCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SnapToScreen(c.x, c.y, c.w, c.h, kSW, kSH), c.expected);
    }
}

TEST(SnapToScreen, FarEdgeFollowsTheScreenSize) {
    EXPECT_EQ(SnapToScreen(1515, 1100, 400, 100, 1920, 1200), (DockPoint{1520, 1100}));
    EXPECT_EQ(SnapToScreen(1515, 1095, 400, 100, 1920, 1200), (DockPoint{1520, 1100}));
    EXPECT_EQ(SnapToScreen(1510, 1090, 400, 100, 1920, 1200), (DockPoint{1510, 1090}));
}

TEST(SnapToScreen, SumsBeyondThirtyTwoBitsDoNotWrap) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    // x + W overflows 32 bits; it is far from the right edge and stays.
    EXPECT_EQ(SnapToScreen(kMax - 5, 300, 100, 100, kSW, kSH), (DockPoint{kMax - 5, 300}));
}

TEST(SnapToMonitors, WithThePrimaryAloneTheScreenRulesHoldUnchanged) {
    const ScreenLayout primaryOnly(ScreenSize{kSW, kSH});
    // Left of, on and right of the primary; above, on and below it: wherever another monitor
    // could be.
    const ScreenLayout withOthers(ScreenSize{kSW, kSH},
                                  {{kSW, -100, 1280, 1024}, {-800, kSH, 800, 600}, {0, -kSH, kSW, kSH}});
    for (const DockSize size : {DockSize{300, 100}, DockSize{kSW, kSH}, DockSize{8, 900}}) {
        for (std::int32_t x = -30; x <= kSW + 30; ++x) {
            for (std::int32_t y : {-11, -10, 0, 10, 11, 300, kSH - size.height - 10, kSH - size.height - 9,
                                   kSH - size.height + 9, kSH - size.height + 10}) {
                const DockPoint screen = SnapToScreen(x, y, size.width, size.height, kSW, kSH);
                ASSERT_EQ(SnapToMonitors({x, y}, size, primaryOnly), screen) << x << ", " << y;
                // Other monitors never overrule an edge of the primary screen that pulls.
                const DockPoint all = SnapToMonitors({x, y}, size, withOthers);
                if (screen.x != x) {
                    ASSERT_EQ(all.x, screen.x) << x << ", " << y;
                }
                if (screen.y != y) {
                    ASSERT_EQ(all.y, screen.y) << x << ", " << y;
                }
            }
        }
    }
}

TEST(SnapToMonitors, PullsOntoTheEdgesOfAnotherMonitorTheWindowLiesOver) {
    // Right of the primary and 100 higher: 1024..2304 x -100..924. Left of and below it:
    // -800..0 x 768..1368.
    const ScreenLayout screens(ScreenSize{kSW, kSH}, {{kSW, -100, 1280, 1024}, {-800, kSH, 800, 600}});
    const ScreenCase cases[] = {
        // The right monitor, with a 300 x 100 window on it.
        {"its left edge, from inside", 1030, 300, 300, 100, {1024, 300}},
        {"its left edge, from the primary", 1016, 300, 300, 100, {1024, 300}},
        {"its top edge, range included", 1500, -110, 300, 100, {1500, -100}},
        {"its top edge + 11", 1500, -89, 300, 100, {1500, -89}},
        {"its right edge 2304 - 9", 1995, 300, 300, 100, {2004, 300}},
        {"its right edge 2304 - 10, range excluded", 1994, 300, 300, 100, {1994, 300}},
        {"its right edge 2304 + 10, range excluded", 2014, 300, 300, 100, {2014, 300}},
        {"its bottom edge", 1500, 830, 300, 100, {1500, 824}},
        {"its corner", 2010, 820, 300, 100, {2004, 824}},
        // The monitor below on the left, its edges at negative x.
        {"left monitor's left edge", -805, 900, 300, 100, {-800, 900}},
        {"left monitor's top edge", -500, 772, 300, 100, {-500, 768}},
        {"left monitor's bottom edge", -500, 1262, 300, 100, {-500, 1268}},
        // A monitor's edges do not pull windows that do not lie over it.
        {"in line with the right monitor's top, on the primary", 100, -95, 300, 100, {100, -95}},
        {"in line with the left monitor's top, on the primary", 100, 772, 300, 100, {100, 772}},
        {"touching the left monitor is not lying over it", 0, 772, 300, 100, {0, 772}},
        {"right of the right monitor", 2400, -95, 300, 100, {2400, -95}},
        // The vertical axis goes first: pulled down onto the right monitor's top edge, the window
        // now lies over it and its left edge is pulled too.
        {"pulled over the right monitor, then onto its left edge", 1020, -108, 300, 5, {1024, -100}},
    };
    for (const ScreenCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SnapToMonitors({c.x, c.y}, {c.w, c.h}, screens), c.expected);
    }
}

TEST(SnapToMonitors, ThePrimaryDecidesFirstThenTheMonitorsInTheirOrder) {
    // Two monitors right of the primary whose top edges are near the primary's and each other's.
    const ScreenLayout screens(ScreenSize{kSW, kSH}, {{kSW, 6, 1280, 1024}, {kSW, 14, 1280, 1024}});
    // Straddling the primary and the monitors: the primary's top edge wins...
    EXPECT_EQ(SnapToMonitors({900, 3}, {300, 100}, screens), (DockPoint{900, 0}));
    // ... and where it does not pull, the first listed monitor that does.
    EXPECT_EQ(SnapToMonitors({900, 12}, {300, 100}, screens), (DockPoint{900, 6}));
    EXPECT_EQ(SnapToMonitors({900, 24}, {300, 100}, screens), (DockPoint{900, 14}));
}

// The neighbour of the worked examples: L 500, T 300, 200 x 100 (right 700, bottom 400).
constexpr std::int32_t kL = 500, kT = 300, kNW = 200, kNH = 100;

struct WindowCase {
    const char* name;
    std::int32_t x, y, w, h;
    DockPoint expected;
};

TEST(SnapToWindow, WorkedExamples) {
    const WindowCase cases[] = {
        {"N1 at d = 10, then N7 at d = 0", 210, 150, 300, 150, {200, 150}},
        {"N1 misses at d = 11", 211, 150, 300, 150, {211, 150}},
        {"rows 299 < 300: only N7", 210, 149, 300, 150, {210, 150}},
        {"no bottom-to-bottom rule", 700, 355, 200, 50, {700, 355}},
    };
    for (const WindowCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SnapToWindow(c.x, c.y, c.w, c.h, kL, kT, kNW, kNH), c.expected);
    }
}

TEST(SnapToWindow, EachRuleAlone) {
    // A 100 x 50 window placed so that exactly one rule fires.
    const WindowCase cases[] = {
        {"N1 right onto left", 395, 320, 100, 50, {400, 320}},
        {"N2 right onto right", 605, 320, 100, 50, {600, 320}},
        {"N3 top onto top", 550, 307, 100, 50, {550, 300}},
        {"N4 top onto bottom", 550, 395, 100, 50, {550, 400}},
        {"N5 left onto right", 706, 320, 100, 50, {700, 320}},
        {"N6 left onto left", 492, 320, 100, 50, {500, 320}},
        {"N7 bottom onto top", 550, 245, 100, 50, {550, 250}},
    };
    for (const WindowCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SnapToWindow(c.x, c.y, c.w, c.h, kL, kT, kNW, kNH), c.expected);
    }
}

TEST(SnapToWindow, DistanceAndOverlapBoundaries) {
    const WindowCase cases[] = {
        {"N6 d = -10", 490, 320, 100, 50, {500, 320}},
        {"N6 d = -11", 489, 320, 100, 50, {489, 320}},
        {"N6 d = 10", 510, 320, 100, 50, {500, 320}},
        {"N6 d = 11", 511, 320, 100, 50, {511, 320}},
        {"N5 rows touch at the neighbour's bottom", 705, 400, 100, 50, {700, 400}},
        {"N5 rows one pixel apart", 705, 401, 100, 50, {705, 401}},
        {"N5 rows touch at the neighbour's top", 705, 250, 100, 50, {700, 250}},
        {"N7 columns touch at the neighbour's left", 400, 245, 100, 50, {400, 250}},
        {"N7 columns one pixel apart", 399, 245, 100, 50, {399, 245}},
        {"near a corner, neither extent meets", 395, 401, 100, 50, {395, 401}},
        {"far away", 0, 0, 100, 50, {0, 0}},
    };
    for (const WindowCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SnapToWindow(c.x, c.y, c.w, c.h, kL, kT, kNW, kNH), c.expected);
    }
}

TEST(SnapToWindow, RulesSeeTheResultsOfEarlierRulesOnly) {
    // N1 misses (rows apart), then N7 brings the rows together; N1 is not asked again.
    EXPECT_EQ(SnapToWindow(205, 145, 300, 150, kL, kT, kNW, kNH), (DockPoint{205, 150}));
    // On a neighbour 6 pixels high, N3 fires first and N4 overrides it.
    EXPECT_EQ(SnapToWindow(550, 302, 100, 50, kL, kT, kNW, 6), (DockPoint{550, 306}));
}

TEST(SnapToWindow, ResultsAtTheEndsOfTheRangeAreHeldThere) {
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    // N1 fires at d = 10 and would put x 5 below the smallest 32-bit value.
    EXPECT_EQ(SnapToWindow(kMin + 5, 0, 100, 50, kMin + 95, 0, 200, 100), (DockPoint{kMin, 0}));
}

struct DockedCase {
    const char* name;
    DockRect a, b;
    bool expected;
};

TEST(AreDocked, Relations) {
    // A is a 482 x 71 bar at (100, 100): right 582, bottom 171.
    const DockRect bar{100, 100, 482, 71};
    const DockedCase cases[] = {
        {"left on the bar's right, tops equal", bar, {582, 100, 630, 529}, true},
        {"right + 10, rows overlapping", bar, {592, 120, 300, 200}, true},
        {"right + 11, rows overlapping", bar, {593, 120, 300, 200}, false},
        {"corner touching", bar, {582, 171, 300, 200}, true},
        {"N7 with the columns touching", bar, {582, 181, 300, 200}, true},
        {"below the corner by 11", bar, {582, 182, 300, 200}, false},
        {"right + 11 and below by 10", bar, {593, 181, 300, 200}, false},
        {"bottoms 4 apart, nothing else", bar, {700, 120, 100, 55}, false},
        {"above, bottom 10 over the bar's top", bar, {150, 0, 200, 90}, true},
        {"above, bottom 11 over the bar's top", bar, {150, 0, 200, 89}, false},
        {"overlapping, left edges aligned", bar, {105, 50, 100, 300}, true},
        {"inside, no edge near", bar, {200, 120, 100, 20}, false},
    };
    for (const DockedCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(AreDocked(c.a, c.b), c.expected);
    }
}

// The gap between two ranges [a0, a1] and [b0, b1]; 0 or less when they meet.
std::int64_t Gap(std::int64_t a0, std::int64_t a1, std::int64_t b0, std::int64_t b1) {
    return std::max(b0 - a1, a0 - b1);
}

TEST(AreDocked, SymmetricAndOnlyForNearWindowsOverAGrid) {
    const DockSize aSizes[] = {{50, 30}, {8, 8}};
    const DockSize bSizes[] = {{50, 30}, {20, 60}, {5, 5}};
    int docked = 0;
    int apart = 0;
    for (const DockSize as : aSizes) {
        const DockRect a{0, 0, as.width, as.height};
        for (const DockSize bs : bSizes) {
            for (std::int32_t left = -80; left <= 80; ++left) {
                for (std::int32_t top = -80; top <= 80; ++top) {
                    const DockRect b{left, top, bs.width, bs.height};
                    const bool ab = AreDocked(a, b);
                    ASSERT_EQ(ab, AreDocked(b, a)) << "b at " << left << ", " << top;
                    const std::int64_t gapX = Gap(a.left, a.Right(), b.left, b.Right());
                    const std::int64_t gapY = Gap(a.top, a.Bottom(), b.top, b.Bottom());
                    if (ab) {
                        // Docked windows meet along one axis and are at most 10 apart along the other.
                        ASSERT_TRUE((gapX <= 0 && gapY <= 10) || (gapY <= 0 && gapX <= 10))
                            << "b at " << left << ", " << top;
                    }
                    ab ? ++docked : ++apart;
                }
            }
        }
    }
    EXPECT_GT(docked, 1000);
    EXPECT_GT(apart, 1000);
}

}  // namespace
}  // namespace vr
