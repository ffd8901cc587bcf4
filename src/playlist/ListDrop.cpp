#include "playlist/ListDrop.h"

namespace vr {

std::optional<int> DropTarget(const ListReleasePoint& point) {
    if (!point.insideList) return std::nullopt;
    if (!point.onItem) return -1;
    return VisibleItemIndex(point.itemLowWord, point.topIndex);
}

int VisibleItemIndex(unsigned lowWord, int topIndex) {
    constexpr int kSpan = 0x10000;
    const int candidate = (topIndex & ~(kSpan - 1)) | static_cast<int>(lowWord & (kSpan - 1));
    return candidate < topIndex ? candidate + kSpan : candidate;
}

}  // namespace vr
