#pragma once
// A window moved to a monitor of another DPI lays out everything inside it again. Window-free, so
// the rule is tested natively: the system never sends the change under Wine.
#include <vector>

namespace vr {

// A child's place in its parent's client area.
struct ChildPlace {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const ChildPlace&) const = default;
};

// The place laid out for one DPI, at another: each edge scaled, so controls that touched or lined
// up still do, whatever the rounding does to their sizes.
ChildPlace RescaledPlace(const ChildPlace& place, int fromDpi, int toDpi);

// Every window of a tree, each in its own parent's client area: scaled alike, children of children
// too, since each keeps its place in a parent that is scaled itself.
std::vector<ChildPlace> RescaledTree(const std::vector<ChildPlace>& places, int fromDpi, int toDpi);

}  // namespace vr
