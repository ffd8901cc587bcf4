#include "playlist/ListDrop.h"

namespace vr {

std::optional<int> DropTarget(const ListReleasePoint& point) {
    if (!point.insideList) return std::nullopt;
    if (!point.onItem) return -1;
    return VisibleItemIndex(point.itemLowWord, point.topIndex);
}

// Moved down, the entry lands below the row it is dropped on, since the rows between move up
// into its place; moved up, above it.
std::optional<int> DropLineGap(std::optional<int> target, int selected, int count) {
    if (!target || selected < 0 || selected >= count) return std::nullopt;
    const int to = *target < 0 || *target >= count ? count - 1 : *target;
    if (to == selected) return std::nullopt;
    return to < selected ? to : to + 1;
}

int VisibleItemIndex(unsigned lowWord, int topIndex) {
    constexpr int kSpan = 0x10000;
    const int candidate = (topIndex & ~(kSpan - 1)) | static_cast<int>(lowWord & (kSpan - 1));
    return candidate < topIndex ? candidate + kSpan : candidate;
}

}  // namespace vr
