// Snapping and carrying judged by the frames the user sees, with the invisible resize borders of
// Windows 10 and later faked: 7 pixels left, right and bottom, none at the top.
#include <gtest/gtest.h>

#include <optional>

#include "docking/Carrying.h"
#include "docking/SnapSequence.h"
#include "docking/VisibleFrame.h"

namespace vr {
namespace {

constexpr ScreenSize kScreen{1024, 768};
constexpr FrameInsets kWindows10{7, 0, 7, 7};
constexpr DockRect kFarAway{2000, 2000, 100, 100};

// A window whose visible frame is `frame`, with the borders around it.
FramedWindow Around(const DockRect& frame, FrameInsets insets = kWindows10) {
    return {{frame.left - insets.left, frame.top - insets.top, frame.width + insets.left + insets.right,
             frame.height + insets.top + insets.bottom},
            insets};
}

// Snaps the request for the window's rectangle, then says where its frame ended up.
DockRect FrameAfter(DockRole self, const FramedWindow& own, DockPoint windowRequest,
                    const PlayerRects& frames, bool maximised = false) {
    const DockPoint corner =
        SnapWindowRequest(self, windowRequest, own, maximised, frames, kScreen, {}, false);
    return FramedWindow{{corner.x, corner.y, own.window.width, own.window.height}, own.insets}.Frame();
}

TEST(VisibleFrame, InsetsAreTakenOnlyFromAFrameInsideTheWindowByAFewPixels) {
    const DockRect window{100, 50, 434, 298};
    struct Case {
        const char* name;
        DockRect frame;
        FrameInsets expected;
    };
    const Case cases[] = {
        {"the same rectangle (classic frames, Wine)", window, {}},
        {"Windows 10 borders", {107, 50, 420, 291}, kWindows10},
        {"border as wide as allowed",
         {100 + kMaxInvisibleBorder, 50, 434 - kMaxInvisibleBorder, 298},
         {kMaxInvisibleBorder, 0, 0, 0}},
        {"border wider than allowed", {101 + kMaxInvisibleBorder, 50, 433 - kMaxInvisibleBorder, 298}, {}},
        {"frame larger than the window", {99, 50, 436, 298}, {}},
        // The frame in physical pixels at 125 % for a program unaware of the scaling.
        {"frame in another scale", {134, 62, 525, 364}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(InsetsBetween(window, c.frame), c.expected);
    }
}

TEST(VisibleFrame, VisibleEdgesMeetTheScreenEdges) {
    const DockRect nothing = kFarAway;
    const PlayerRects others{nothing, std::nullopt, std::nullopt};
    const FramedWindow host = Around({300, 300, 420, 291});
    struct Case {
        const char* name;
        DockPoint frameRequest;
        DockRect expected;
    };
    const Case cases[] = {
        {"left edge 4 from the screen's", {4, 300}, {0, 300, 420, 291}},
        {"right edge 6 from the screen's", {598, 300}, {604, 300, 420, 291}},
        {"bottom edge 5 from the screen's", {300, 472}, {300, 477, 420, 291}},
        {"top edge 8 from the screen's", {300, 8}, {300, 0, 420, 291}},
        {"nowhere near an edge", {300, 300}, {300, 300, 420, 291}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DockPoint windowRequest = host.WindowCornerFor(c.frameRequest);
        EXPECT_EQ(FrameAfter(DockRole::Host, host, windowRequest, others), c.expected);
    }
}

TEST(VisibleFrame, VisibleEdgesMeetTheEdgesOfASecondMonitor) {
    // A 1280 x 1024 monitor right of the primary, 100 pixels higher: 1024..2304 x -100..924.
    const ScreenLayout screens(kScreen, {{1024, -100, 1280, 1024}});
    const FramedWindow own = Around({300, 300, 420, 291});
    const PlayerRects nothingNear{kFarAway, std::nullopt, std::nullopt};
    // Its top 3 below the monitor's: the bar's top would be pulled onto it.
    const PlayerRects playlistNear{kFarAway, std::nullopt, DockRect{1400, -97, 327, 431}};
    struct Case {
        const char* name;
        DockRole self;
        DockPoint frameRequest;
        PlayerRects others;
        DockPoint expectedFrame;
    };
    const Case cases[] = {
        {"host: left edge 5 inside the monitor's, bottom 7 above its",
         DockRole::Host,
         {1029, 626},
         nothingNear,
         {1024, 633}},
        {"host: right edge 8 short of the monitor's", DockRole::Host, {1876, 300}, nothingNear, {1884, 300}},
        // For the bar the monitors' edges come last and so win over the playlist window's.
        {"bar: top edge 6 below the monitor's", DockRole::PlayerBar, {1500, -94}, playlistNear, {1500, -100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DockPoint corner = SnapWindowRequest(c.self, own.WindowCornerFor(c.frameRequest), own, false,
                                                   c.others, screens, {}, false);
        EXPECT_EQ(corner, own.WindowCornerFor(c.expectedFrame));
    }
}

TEST(VisibleFrame, VisibleEdgesMeetEachOtherAndTouchingWindowsAreCarried) {
    // The bar's frame at 100, 100, 482 x 71; the playlist window proposed with its frame 6 pixels
    // right of the bar's, its rectangle then overlapping the bar's by 8.
    const DockRect barFrame{100, 100, 482, 71};
    const FramedWindow bar = Around(barFrame);
    const FramedWindow playlist = Around({588, 100, 327, 431});
    const DockRect snapped =
        FrameAfter(DockRole::Playlist, playlist, {playlist.window.left, playlist.window.top},
                   {barFrame, kFarAway, std::nullopt});
    EXPECT_EQ(snapped, (DockRect{582, 100, 327, 431}));

    // Frames that touch are docked although the rectangles overlap by 14 pixels, past the snap
    // distance; the bar carries the window by its frame.
    const FramedWindow touching = Around(snapped);
    ASSERT_EQ(bar.window.Right() - touching.window.left, 14);
    const DockingState state = DecideCarry(bar.Frame(), std::nullopt, touching.Frame());
    EXPECT_TRUE(state.playlistDocked);
    EXPECT_EQ(state.playlistOffsetX, 482);
    const CarryTargets targets = CarryTargetsFor({200, 150}, state, false);
    ASSERT_TRUE(targets.playlist);
    EXPECT_EQ(touching.WindowCornerFor(*targets.playlist), (DockPoint{675, 150}));
}

TEST(VisibleFrame, AMaximisedWindowIsLeftWhereTheSystemPutsIt) {
    // Maximised, the borders lie past the screen's edges: the rectangle starts at -8, -8.
    const FramedWindow maximised{{-8, -8, 1040, 744}, {8, 8, 8, 8}};
    const PlayerRects others{DockRect{5, 5, 482, 71}, std::nullopt, DockRect{0, 80, 327, 431}};
    for (DockRole role : {DockRole::Host, DockRole::Playlist, DockRole::PlayerBar}) {
        EXPECT_EQ(SnapWindowRequest(role, {-8, -8}, maximised, true, others, kScreen, {}, false),
                  (DockPoint{-8, -8}));
    }
    // Without borders, as Wine reports them, the same holds.
    const FramedWindow wine{{-4, -4, 1032, 740}, {}};
    EXPECT_EQ(SnapWindowRequest(DockRole::Host, {-4, -4}, wine, true, others, kScreen, {}, false),
              (DockPoint{-4, -4}));
    EXPECT_EQ(SnapWindowRequest(DockRole::Host, {-4, -4}, wine, false, {}, kScreen, {}, false),
              (DockPoint{0, 0}));
}

TEST(VisibleFrame, WithoutBordersRequestsSnapAsTheRectanglesDo) {
    const PlayerRects others{DockRect{503, 50, 482, 71}, std::nullopt, DockRect{505, 100, 630, 529}};
    const FramedWindow host{{0, 0, 420, 291}, {}};
    for (DockPoint request :
         {DockPoint{508, 100}, DockPoint{8, 200}, DockPoint{300, 470}, DockPoint{-5, 3}}) {
        EXPECT_EQ(SnapWindowRequest(DockRole::Host, request, host, false, others, kScreen, {}, false),
                  SnapRequest(DockRole::Host, request, {420, 291}, others, kScreen, {}, false));
    }
}

}  // namespace
}  // namespace vr
