#pragma once
// Geometry shared by snapping and carrying: outer window rectangles in screen pixels, signed
// 32-bit like the system's own. Sums such as Left + Width can leave that range, so the rules
// work in 64 bits and bring their results back with ToInt32.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

namespace vr {

// A pull of up to this many pixels onto an edge, in either direction.
inline constexpr std::int64_t kSnapDistance = 10;

// A window's outer rectangle, frame and caption included.
struct DockRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;

    std::int64_t Right() const { return std::int64_t{left} + width; }
    std::int64_t Bottom() const { return std::int64_t{top} + height; }
    bool operator==(const DockRect&) const = default;
};

// A window's top-left corner.
struct DockPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const DockPoint&) const = default;
};

struct DockSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The primary screen's full size; its left and top edges are at 0.
struct ScreenSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The monitors windows snap to: the primary screen, and the full rectangles of the others in the
// same screen coordinates (left of or above the primary they are negative).
struct ScreenLayout {
    ScreenSize primary;
    std::vector<DockRect> otherMonitors;

    // A system with one monitor.
    ScreenLayout(ScreenSize primaryScreen) : primary(primaryScreen) {}
    ScreenLayout(ScreenSize primaryScreen, std::vector<DockRect> others)
        : primary(primaryScreen), otherMonitors(std::move(others)) {}
};

// A coordinate that only leaves the 32-bit range at its very ends is held there instead of
// wrapping to the other side of the screen space.
inline std::int32_t ToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

}  // namespace vr
