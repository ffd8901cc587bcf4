#pragma once
// Where a dragged playlist entry lands, from what the list box says about the release point.
#include <optional>

namespace vr {

// What the window reads at the release point.
struct ListReleasePoint {
    bool insideList;       // within the list's client area
    bool onItem;           // LB_ITEMFROMPOINT's high word is 0: the point lies on an item
    unsigned itemLowWord;  // its low word: only the low 16 bits of the item's index
    int topIndex;          // LB_GETTOPINDEX: the first visible item
};

// The drop's target index: -1 below the last entry; nothing for a release outside the list,
// which is no drop at all.
std::optional<int> DropTarget(const ListReleasePoint& point);

// Where the drop line goes while the selected entry is dragged over the list: the gap before
// row `gap`, `count` being the gap below the last row. Nothing outside the list, and nothing
// where the entry would stay where it is.
std::optional<int> DropLineGap(std::optional<int> target, int selected, int count);

// The full index of a visible item from the low 16 bits LB_ITEMFROMPOINT has room for. The
// visible items start at topIndex and are far fewer than 65,536, so exactly one index from
// topIndex on has these low bits.
int VisibleItemIndex(unsigned lowWord, int topIndex);

}  // namespace vr
