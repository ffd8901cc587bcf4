#include "docking/VisibleFrame.h"

namespace vr {

namespace {

bool PlausibleBorder(std::int64_t border) { return 0 <= border && border <= kMaxInvisibleBorder; }

}  // namespace

FrameInsets InsetsBetween(const DockRect& window, const DockRect& frame) {
    const std::int64_t left = std::int64_t{frame.left} - window.left;
    const std::int64_t top = std::int64_t{frame.top} - window.top;
    const std::int64_t right = window.Right() - frame.Right();
    const std::int64_t bottom = window.Bottom() - frame.Bottom();
    if (!PlausibleBorder(left) || !PlausibleBorder(top) || !PlausibleBorder(right) ||
        !PlausibleBorder(bottom)) {
        return {};
    }
    return {static_cast<std::int32_t>(left), static_cast<std::int32_t>(top), static_cast<std::int32_t>(right),
            static_cast<std::int32_t>(bottom)};
}

DockRect FramedWindow::Frame() const {
    return {ToInt32(std::int64_t{window.left} + insets.left), ToInt32(std::int64_t{window.top} + insets.top),
            ToInt32(std::int64_t{window.width} - insets.left - insets.right),
            ToInt32(std::int64_t{window.height} - insets.top - insets.bottom)};
}

DockPoint FramedWindow::WindowCornerFor(DockPoint frameCorner) const {
    return {ToInt32(std::int64_t{frameCorner.x} - insets.left),
            ToInt32(std::int64_t{frameCorner.y} - insets.top)};
}

}  // namespace vr
