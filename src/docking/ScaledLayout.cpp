#include "docking/ScaledLayout.h"

#include <algorithm>
#include <limits>
#include <numeric>

#include "platform/DpiScale.h"

namespace vr {

namespace {

// One window along one axis.
struct Span {
    std::int64_t start;
    std::int64_t before;  // length at the old scale
    std::int64_t after;   // length at the new scale
    std::int64_t End() const { return start + before; }
    // Overlapping or touching, as docked windows do across the axis they dock along.
    bool Meets(const Span& other) const { return start <= other.End() && other.start <= End(); }
};

std::int64_t Scaled(std::int64_t pixels, int fromDpi, int toDpi) {
    return ScaleBetweenDpis(ToInt32(pixels), fromDpi, toDpi);
}

// The new starts along one axis whose monitor spans [low, high); `across` holds the same windows
// along the other axis.
std::vector<std::int64_t> RescaleAxis(const std::vector<Span>& spans, const std::vector<Span>& across,
                                      std::int64_t low, std::int64_t high, int fromDpi, int toDpi) {
    std::vector<std::size_t> order(spans.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return spans[a].start < spans[b].start; });
    std::vector<std::int64_t> starts(spans.size());
    std::vector<bool> placed(spans.size(), false);
    for (std::size_t i : order) {
        const Span& span = spans[i];
        std::int64_t beyondAll = std::numeric_limits<std::int64_t>::min();
        std::int64_t touching = std::numeric_limits<std::int64_t>::min();
        for (std::size_t j = 0; j < spans.size(); ++j) {
            if (!placed[j] || spans[j].End() > span.start) continue;
            const std::int64_t gap = span.start - spans[j].End();
            const std::int64_t after = starts[j] + spans[j].after + Scaled(gap, fromDpi, toDpi);
            beyondAll = std::max(beyondAll, after);
            if (gap <= kSnapDistance && across[i].Meets(across[j])) touching = std::max(touching, after);
        }
        const std::int64_t own = touching != std::numeric_limits<std::int64_t>::min()
                                     ? touching
                                     : low + Scaled(span.start - low, fromDpi, toDpi);
        starts[i] = std::max(own, beyondAll);
        placed[i] = true;
    }
    if (spans.empty()) return starts;
    // Only what the scaling added goes back: a window the user left partly outside stays so.
    std::int64_t endBefore = high, endAfter = high, lowestBefore = low;
    std::int64_t lowestAfter = std::numeric_limits<std::int64_t>::max();
    for (std::size_t i = 0; i < spans.size(); ++i) {
        endBefore = std::max(endBefore, spans[i].End());
        endAfter = std::max(endAfter, starts[i] + spans[i].after);
        lowestBefore = std::min(lowestBefore, spans[i].start);
        lowestAfter = std::min(lowestAfter, starts[i]);
    }
    const std::int64_t back = std::min(endAfter - endBefore, lowestAfter - lowestBefore);
    if (back > 0)
        for (std::int64_t& start : starts) start -= back;
    return starts;
}

}  // namespace

std::vector<DockPoint> RescaleLayout(const std::vector<ScaledWindow>& windows, const DockRect& monitor,
                                     int fromDpi, int toDpi) {
    std::vector<Span> xs, ys;
    for (const ScaledWindow& w : windows) {
        xs.push_back({w.before.left, w.before.width, w.after.width});
        ys.push_back({w.before.top, w.before.height, w.after.height});
    }
    const std::vector<std::int64_t> lefts =
        RescaleAxis(xs, ys, monitor.left, monitor.Right(), fromDpi, toDpi);
    const std::vector<std::int64_t> tops = RescaleAxis(ys, xs, monitor.top, monitor.Bottom(), fromDpi, toDpi);
    std::vector<DockPoint> corners;
    for (std::size_t i = 0; i < windows.size(); ++i) corners.push_back({ToInt32(lefts[i]), ToInt32(tops[i])});
    return corners;
}

}  // namespace vr
