#include "docking/Snapping.h"

#include <algorithm>
#include <iterator>
#include <optional>

namespace vr {

namespace {

bool WithinSnap(std::int64_t d) { return -kSnapDistance <= d && d <= kSnapDistance; }

// A stretch of one axis: a window's or a monitor's extent across or along it.
struct Span {
    std::int64_t start, length;
    std::int64_t end() const { return start + length; }
};

// Where the window's span `window` is pulled onto the edges of `screen`, if it is. The near edge
// pulls over -10..10 inclusive; the far edge only over distances strictly inside the snap
// distance, and only when the near edge did not pull.
std::optional<std::int64_t> PullOntoScreen(Span window, Span screen) {
    if (WithinSnap(window.start - screen.start)) return screen.start;
    const std::int64_t farEdge = window.end();
    if (screen.end() - kSnapDistance < farEdge && farEdge < screen.end() + kSnapDistance) {
        return screen.end() - window.length;
    }
    return std::nullopt;
}

// Strictly: a window that only touches a monitor does not lie over it.
bool SpansOverlap(Span a, Span b) { return a.start < b.end() && b.start < a.end(); }

Span Columns(const DockRect& r) { return {r.left, r.width}; }
Span Rows(const DockRect& r) { return {r.top, r.height}; }
using SpanOf = Span (*)(const DockRect&);

// One axis of SnapToMonitors: `along` is the window's span on the axis it moves on, `across` its
// span on the other; `alongOf` and `acrossOf` give a monitor's spans on the same axes.
std::int64_t SnapAxisToMonitors(Span along, Span across, std::int64_t primaryExtent,
                                const std::vector<DockRect>& others, SpanOf alongOf, SpanOf acrossOf) {
    if (const auto pulled = PullOntoScreen(along, {0, primaryExtent})) return *pulled;
    for (const DockRect& monitor : others) {
        if (!SpansOverlap(across, acrossOf(monitor))) continue;
        if (const auto pulled = PullOntoScreen(along, alongOf(monitor))) return *pulled;
    }
    return along.start;
}

// A rectangle in 64 bits, so that the rules can shift it freely before the result is narrowed.
struct Box {
    std::int64_t left, top, width, height;
    std::int64_t right() const { return left + width; }
    std::int64_t bottom() const { return top + height; }
};

enum class Edge { Left, Top, Right, Bottom };

std::int64_t EdgeOf(const Box& box, Edge edge) {
    switch (edge) {
    case Edge::Left: return box.left;
    case Edge::Top: return box.top;
    case Edge::Right: return box.right();
    case Edge::Bottom: return box.bottom();
    }
    return 0;
}

bool MovesHorizontally(Edge edge) { return edge == Edge::Left || edge == Edge::Right; }

// A rule puts the moving window's edge `own` onto the neighbour's edge `neighbour`.
struct EdgeRule {
    Edge own;
    Edge neighbour;
};

// N1..N7. There is no rule for bottom onto bottom.
constexpr EdgeRule kEdgeRules[] = {
    {Edge::Right, Edge::Left},   // N1: to the neighbour's left
    {Edge::Right, Edge::Right},  // N2: right edges aligned
    {Edge::Top, Edge::Top},      // N3: top edges aligned
    {Edge::Top, Edge::Bottom},   // N4: below the neighbour
    {Edge::Left, Edge::Right},   // N5: to the neighbour's right
    {Edge::Left, Edge::Left},    // N6: left edges aligned
    {Edge::Bottom, Edge::Top},   // N7: above the neighbour
};

bool RowsMeet(const Box& a, const Box& b) { return a.bottom() >= b.top && b.bottom() >= a.top; }
bool ColumnsMeet(const Box& a, const Box& b) { return a.right() >= b.left && b.right() >= a.left; }

// The distance by which the rule would pull the moving window, when the rule fires. An edge
// moving sideways needs the rows to meet, an edge moving up or down the columns.
std::optional<std::int64_t> PullOf(const EdgeRule& rule, const Box& moving, const Box& neighbour) {
    const std::int64_t d = EdgeOf(moving, rule.own) - EdgeOf(neighbour, rule.neighbour);
    if (!WithinSnap(d)) return std::nullopt;
    const bool overlap =
        MovesHorizontally(rule.own) ? RowsMeet(moving, neighbour) : ColumnsMeet(moving, neighbour);
    return overlap ? std::optional<std::int64_t>(d) : std::nullopt;
}

Box BoxOf(const DockRect& rect) { return {rect.left, rect.top, rect.width, rect.height}; }

}  // namespace

DockPoint SnapToScreen(std::int32_t x, std::int32_t y, std::int32_t W, std::int32_t H, std::int32_t SW,
                       std::int32_t SH) {
    const std::int64_t snappedY = PullOntoScreen({y, H}, {0, SH}).value_or(y);
    const std::int64_t snappedX = PullOntoScreen({x, W}, {0, SW}).value_or(x);
    return {ToInt32(snappedX), ToInt32(snappedY)};
}

DockPoint SnapToMonitors(DockPoint p, DockSize own, const ScreenLayout& screens) {
    const std::int64_t y = SnapAxisToMonitors({p.y, own.height}, {p.x, own.width}, screens.primary.height,
                                              screens.otherMonitors, Rows, Columns);
    const std::int64_t x = SnapAxisToMonitors({p.x, own.width}, {y, own.height}, screens.primary.width,
                                              screens.otherMonitors, Columns, Rows);
    return {ToInt32(x), ToInt32(y)};
}

DockPoint SnapToWindow(std::int32_t x, std::int32_t y, std::int32_t W, std::int32_t H, std::int32_t L,
                       std::int32_t T, std::int32_t NW, std::int32_t NH) {
    Box moving{x, y, W, H};
    const Box neighbour{L, T, NW, NH};
    for (const EdgeRule& rule : kEdgeRules) {
        if (const auto d = PullOf(rule, moving, neighbour)) {
            (MovesHorizontally(rule.own) ? moving.left : moving.top) -= *d;
        }
    }
    return {ToInt32(moving.left), ToInt32(moving.top)};
}

bool AreDocked(const DockRect& a, const DockRect& b) {
    const Box moving = BoxOf(a);
    const Box neighbour = BoxOf(b);
    return std::any_of(std::begin(kEdgeRules), std::end(kEdgeRules),
                       [&](const EdgeRule& rule) { return PullOf(rule, moving, neighbour).has_value(); });
}

}  // namespace vr
