#include "docking/WindowDocking_win.h"

#include <optional>

#include "docking/DockRect_win.h"
#include "docking/Carrying.h"
#include "platform/FrameBounds_win.h"
#include "platform/Monitors_win.h"
#include "platform/Window_win.h"

namespace vr {

namespace {

// What the user sees of the window: what the rules judge.
std::optional<DockRect> FrameOf(HWND window) {
    const std::optional<FramedWindow> framed = FramedWindowOf(window);
    if (!framed) return std::nullopt;
    return framed->Frame();
}

// Asked at each request, so a monitor plugged in or rearranged counts at once.
ScreenLayout Screens() {
    ScreenLayout screens(ScreenSize{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
    for (const DisplayMonitor& monitor : DisplayMonitors()) {
        if (!monitor.primary) screens.otherMonitors.push_back(ToDockRect(monitor.area));
    }
    return screens;
}

// One change of a carried window's position. Its own snapping lets it through unchanged while
// it is carried.
bool MoveTo(HWND window, int x, int y) {
    return SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
}

// The frame's top-left corner onto `target`: Left first, then Top, each as a change of its own; a
// value the window already has is left alone. False when the window could not be moved.
bool PlaceCarried(HWND window, DockPoint target) {
    std::optional<FramedWindow> now = FramedWindowOf(window);
    if (!now) return false;
    DockPoint corner = now->WindowCornerFor(target);
    if (now->window.left != corner.x && !MoveTo(window, corner.x, now->window.top)) return false;
    now = FramedWindowOf(window);
    if (!now) return false;
    corner = now->WindowCornerFor(target);
    if (now->window.top != corner.y && !MoveTo(window, now->window.left, corner.y)) return false;
    return true;
}

void PlaceAll(const PlayerWindows& w) {
    const std::optional<DockRect> bar = FrameOf(w.playerBar);
    if (!bar) return;
    const CarryTargets targets = CarryTargetsFor({bar->left, bar->top}, *w.state, w.wallpaperMode);
    if (targets.host && w.host != nullptr && !PlaceCarried(w.host, *targets.host)) return;
    if (targets.playlist && w.playlist != nullptr) PlaceCarried(w.playlist, *targets.playlist);
}

}  // namespace

std::optional<FramedWindow> FramedWindowOf(HWND window) {
    RECT r;
    if (window == nullptr || !GetWindowRect(window, &r)) return std::nullopt;
    FramedWindow framed{ToDockRect(r), {}};
    if (const std::optional<RECT> frame = VisibleFrameBounds(window)) {
        framed.insets = InsetsBetween(framed.window, ToDockRect(*frame));
    }
    return framed;
}

void SnapPositionRequest(DockRole self, const PlayerWindows& w, WINDOWPOS& request) {
    if (w.startingUp && !w.startupFrames) return;
    // The moving window is judged with the size it has now, not the one it asks for; at start-up
    // with the size it is about to get, as its position comes before its size.
    std::optional<FramedWindow> own = FramedWindowOf(request.hwnd);
    if (!own) return;
    if (w.startupFrames) {
        const std::optional<DockRect>& planned = self == DockRole::PlayerBar ? w.startupFrames->playerBar
                                                 : self == DockRole::Host    ? w.startupFrames->host
                                                                             : w.startupFrames->playlist;
        if (planned) {
            own->window.width = planned->width + own->insets.left + own->insets.right;
            own->window.height = planned->height + own->insets.top + own->insets.bottom;
        }
    }
    const PlayerRects frames = w.startupFrames
                                   ? *w.startupFrames
                                   : PlayerRects{FrameOf(w.playerBar), FrameOf(w.host), FrameOf(w.playlist)};
    const DockPoint snapped =
        SnapWindowRequest(self, {request.x, request.y}, *own, IsZoomed(request.hwnd) != FALSE, frames,
                          Screens(), *w.state, w.wallpaperMode);
    request.x = snapped.x;
    request.y = snapped.y;
}

void BeginCarry(const PlayerWindows& w) {
    *w.state = DockingState{};
    if (const std::optional<DockRect> bar = FrameOf(w.playerBar)) {
        *w.state = DecideCarry(*bar, FrameOf(w.host), FrameOf(w.playlist));
    }
}

void CarryDocked(const PlayerWindows& w) {
    // A carried window's own handlers run inside the moves; whatever they raise stays here.
    GuardedQuietly("carrying the docked windows", [&] { PlaceAll(w); });
}

void EndCarry(const PlayerWindows& w) { *w.state = DockingState{}; }

}  // namespace vr
