#include "docking/OnScreen.h"

#include <algorithm>

namespace vr {
namespace {

bool Overlaps(const DockRect& a, const DockRect& b) {
    return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

// The start of a span of this length moved as little as possible to lie inside [low, high);
// a span longer than that starts at low.
std::int32_t Inside(std::int64_t start, std::int64_t length, std::int64_t low, std::int64_t high) {
    return ToInt32(std::max(low, std::min(start, high - length)));
}

}  // namespace

DockPoint PlaceOnScreen(const DockRect& window, const std::vector<DockRect>& monitors,
                        const DockRect& nearestWorkArea) {
    const bool seen = std::any_of(monitors.begin(), monitors.end(),
                                  [&](const DockRect& monitor) { return Overlaps(window, monitor); });
    if (seen) return {window.left, window.top};
    return {Inside(window.left, window.width, nearestWorkArea.left, nearestWorkArea.Right()),
            Inside(window.top, window.height, nearestWorkArea.top, nearestWorkArea.Bottom())};
}

}  // namespace vr
