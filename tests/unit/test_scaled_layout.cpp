#include "docking/ScaledLayout.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

namespace vr {
namespace {

const DockRect kMonitor{0, 0, 1920, 1080};

// A window of this client size with frame and caption around it: 8 x 31 pixels at 96 DPI, and at
// other scales more or less than in proportion, as systems differ.
struct Frames {
    int width96 = 8, height96 = 31, width = 8, height = 31;
};

ScaledWindow Window(int left, int top, int clientWidth, int clientHeight, int dpi, const Frames& f) {
    auto scaled = [dpi](int v) { return v * dpi / 96; };
    return {{left, top, clientWidth + f.width96, clientHeight + f.height96},
            {scaled(clientWidth) + f.width, scaled(clientHeight) + f.height}};
}

bool Overlap(const DockRect& a, const DockRect& b) {
    return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

std::vector<DockRect> After(const std::vector<ScaledWindow>& windows, const std::vector<DockPoint>& corners) {
    std::vector<DockRect> rects;
    for (std::size_t i = 0; i < windows.size(); ++i)
        rects.push_back({corners[i].x, corners[i].y, windows[i].after.width, windows[i].after.height});
    return rects;
}

TEST(ScaledLayout, SameScaleGivesEveryPlaceBackExactly) {
    const std::vector<ScaledWindow> windows{{{641, 37, 484, 73}, {484, 73}},
                                            {{641, 110, 482, 384}, {482, 384}},
                                            {{-300, 2000, 335, 462}, {335, 462}}};
    const auto corners = RescaleLayout(windows, kMonitor, 144, 144);
    EXPECT_EQ(corners, (std::vector<DockPoint>{{641, 37}, {641, 110}, {-300, 2000}}));
}

// The first start's figures: the playlist window at the left, the bar beside it, the host under the
// bar.
TEST(ScaledLayout, FirstStartFiguresAt150PercentKeepTheirRelations) {
    for (const Frames& frames : {Frames{8, 31, 10, 40}, Frames{8, 31, 16, 52}}) {
        const int dpi = 144;
        const std::vector<ScaledWindow> windows{Window(341, 37, 476, 44, dpi, frames),
                                                Window(341, 113, 474, 355, dpi, frames),
                                                Window(1, 37, 327, 431, dpi, frames)};
        const auto corners = RescaleLayout(windows, kMonitor, 96, dpi);
        const auto rects = After(windows, corners);
        const DockRect &bar = rects[0], &host = rects[1], &playlist = rects[2];
        EXPECT_EQ(playlist.left, 2);
        EXPECT_EQ(playlist.top, 56);
        EXPECT_EQ(bar.top, 56);
        // Gaps of a few pixels are docked ones, and stay docked by the same gap scaled.
        EXPECT_EQ(bar.left, playlist.Right() + 8);  // 341 - (1 + 335) = 5, then 7.5
        EXPECT_EQ(host.left, bar.left);
        EXPECT_EQ(host.top, bar.Bottom() + 2);  // 113 - (37 + 75) = 1, then 1.5
        EXPECT_FALSE(Overlap(bar, host) || Overlap(bar, playlist) || Overlap(host, playlist));
    }
}

TEST(ScaledLayout, WindowsDockedUnderAndBesideTheBarStayDockedAfterAScaleChangeBothWays) {
    // Saved at 144 DPI: the host under the bar, the playlist to the bar's right, touching.
    const std::vector<ScaledWindow> windows{{{600, 300, 724, 106}, {484, 75}},
                                            {{600, 406, 721, 573}, {482, 384}},
                                            {{1324, 300, 501, 687}, {335, 462}}};
    const auto corners = RescaleLayout(windows, kMonitor, 144, 96);
    EXPECT_EQ(corners[0], (DockPoint{400, 200}));
    EXPECT_EQ(corners[1], (DockPoint{400, 275}));  // right under the bar's new bottom
    EXPECT_EQ(corners[2], (DockPoint{884, 200}));  // right at the bar's new right
}

TEST(ScaledLayout, AGroupPushedPastTheMonitorsEdgeComesBackTogether) {
    // Near the right and bottom edges at 96 DPI, grown to 200 %.
    const std::vector<ScaledWindow> windows{{{1400, 900, 484, 75}, {968, 150}},
                                            {{1400, 975, 482, 100}, {964, 200}}};
    const auto corners = RescaleLayout(windows, kMonitor, 96, 192);
    const auto rects = After(windows, corners);
    EXPECT_EQ(rects[0].Right(), 1920);
    EXPECT_EQ(rects[1].left, rects[0].left);
    EXPECT_EQ(rects[1].top, rects[0].Bottom());
    EXPECT_EQ(rects[1].Bottom(), 1080);
    // One that lay partly outside already is brought back only by what the growth added.
    const std::vector<ScaledWindow> outside{{{1800, 100, 484, 75}, {484, 75}}};
    EXPECT_EQ(RescaleLayout(outside, kMonitor, 96, 96)[0], (DockPoint{1800, 100}));
    const std::vector<ScaledWindow> wide{{{100, 100, 3000, 75}, {4500, 112}}};
    EXPECT_EQ(RescaleLayout(wide, kMonitor, 96, 144)[0].x, 0);  // no further than the left edge
}

// Whatever the layout, windows that did not overlap do not overlap at the new scale, and windows
// docked side by side still touch, unless a third window ends before the second one too and grew
// more: then the second one cannot touch both.
TEST(ScaledLayout, NoOverlapAppearsAndNoDockedPairComesApartAtAnyScale) {
    std::mt19937 random(21);
    std::uniform_int_distribution<int> place(0, 1400), size(60, 600), frameError(-6, 6);
    int layouts = 0;
    while (layouts < 2000) {
        const int dpi = std::array<int, 4>{72, 120, 144, 192}[layouts % 4];
        std::vector<ScaledWindow> windows;
        for (int i = 0; i < 3; ++i) {
            DockRect before{place(random), place(random), size(random), size(random)};
            // Dock some to the one before, as users do.
            if (i > 0 && random() % 2) before.left = ToInt32(windows.back().before.Right());
            if (i > 0 && random() % 2) before.top = windows.back().before.top;
            const DockSize after{std::max(1, before.width * dpi / 96 + frameError(random)),
                                 std::max(1, before.height * dpi / 96 + frameError(random))};
            windows.push_back({before, after});
        }
        bool apart = true;
        for (std::size_t a = 0; a < 3; ++a)
            for (std::size_t b = a + 1; b < 3; ++b)
                apart = apart && !Overlap(windows[a].before, windows[b].before);
        if (!apart) continue;
        ++layouts;
        const auto rects = After(windows, RescaleLayout(windows, kMonitor, 96, dpi));
        for (std::size_t a = 0; a < 3; ++a) {
            for (std::size_t b = 0; b < 3; ++b) {
                if (a == b) continue;
                EXPECT_FALSE(Overlap(rects[a], rects[b])) << "layout " << layouts;
                const DockRect &wa = windows[a].before, &wb = windows[b].before,
                               &wc = windows[3 - a - b].before;
                const bool sideBySide = wa.top <= wb.Bottom() && wb.top <= wa.Bottom();
                if (wa.Right() == wb.left && sideBySide && wc.Right() > wb.left) {
                    EXPECT_EQ(rects[a].Right(), rects[b].left) << "layout " << layouts;
                }
            }
        }
    }
}

}  // namespace
}  // namespace vr
