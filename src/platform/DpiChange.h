#pragma once
// A window moved to a monitor of another DPI lays out everything inside it again. Window-free, so
// the rule is tested natively: the system never sends the change under Wine.
#include <optional>
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

// WM_DPICHANGED: the system only ever sends it, so one taken from the queue was posted by another
// process, and its pointer may point anywhere.
inline constexpr unsigned kDpiChangedMessage = 0x02E0;
// Whether a posted message of this number is dropped unread: true for those only sent.
bool OnlySent(unsigned message);

// The place the system suggests with a change to `dpi`, as far as it is one: nothing for a
// message without a rectangle, with an empty one, or with a DPI no monitor has, which then
// changes nothing.
std::optional<ChildPlace> SuggestedPlace(int dpi, const ChildPlace* suggested);

// The place laid out for one DPI, at another: each edge scaled, so controls that touched or lined
// up still do, whatever the rounding does to their sizes.
ChildPlace RescaledPlace(const ChildPlace& place, int fromDpi, int toDpi);

// Every window of a tree, each in its own parent's client area: scaled alike, children of children
// too, since each keeps its place in a parent that is scaled itself.
std::vector<ChildPlace> RescaledTree(const std::vector<ChildPlace>& places, int fromDpi, int toDpi);

}  // namespace vr
