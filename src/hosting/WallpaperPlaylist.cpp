#include "hosting/WallpaperPlaylist.h"

namespace vr {

namespace {

// The host window's frame as the user sees it.
ScreenRect VisibleFrame(const ScreenRect& window, const FrameInsets& borders) {
    return {window.left + borders.left, window.top + borders.top, window.right - borders.right,
            window.bottom - borders.bottom};
}

}  // namespace

PlacementRect WallpaperPlacement(const PlacementSource& s) {
    const ScreenRect host = VisibleFrame(s.hostWindow, s.hostBorders);
    switch (s.choice) {
    case PlacementChoice::PlayerClientArea:
        return {s.hostClientScreenX, s.hostClientScreenY, s.hostClientWidth, s.hostClientHeight};
    case PlacementChoice::PlayerWindow:
        // A maximised window's frame lies partly off the screen, so its client area gives
        // the left edge and the width.
        if (s.hostMaximized) {
            return {s.hostClientScreenX, host.top, s.hostClientWidth, host.bottom - host.top};
        }
        return {host.left, host.top, host.right - host.left, host.bottom - host.top};
    case PlacementChoice::WholeWorkarea: break;
    }
    const ScreenRect desktop = s.programManager.value_or(ScreenRect{});
    return {desktop.left, desktop.top, desktop.right - desktop.left, desktop.bottom - desktop.top};
}

std::vector<std::string> BuildWallpaperPlaylist(const PlacementRect& placement, int intervalItem,
                                                const std::vector<std::string>& entries) {
    std::vector<std::string> lines{
        std::to_string(placement.x),      std::to_string(placement.y),  std::to_string(placement.width),
        std::to_string(placement.height), std::to_string(intervalItem),
    };
    lines.insert(lines.end(), entries.begin(), entries.end());
    return lines;
}

}  // namespace vr
