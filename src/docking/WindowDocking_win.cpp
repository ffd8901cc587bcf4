#include "docking/WindowDocking_win.h"

#include <optional>

#include "docking/Carrying.h"
#include "platform/Window_win.h"

namespace vr {

namespace {

std::optional<DockRect> RectOf(HWND window) {
    RECT r;
    if (window == nullptr || !GetWindowRect(window, &r)) return std::nullopt;
    return DockRect{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

ScreenSize PrimaryScreen() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

// One change of a carried window's position. Its own snapping lets it through unchanged while
// it is carried.
bool MoveTo(HWND window, int x, int y) {
    return SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) !=
           FALSE;
}

// Left first, then Top, each as a change of its own; a value the window already has is left
// alone. False when the window could not be moved.
bool PlaceCarried(HWND window, DockPoint target) {
    std::optional<DockRect> now = RectOf(window);
    if (!now) return false;
    if (now->left != target.x && !MoveTo(window, target.x, now->top)) return false;
    now = RectOf(window);
    if (!now) return false;
    if (now->top != target.y && !MoveTo(window, now->left, target.y)) return false;
    return true;
}

void PlaceAll(const PlayerWindows& w) {
    const std::optional<DockRect> bar = RectOf(w.playerBar);
    if (!bar) return;
    const CarryTargets targets =
        CarryTargetsFor({bar->left, bar->top}, *w.state, w.wallpaperMode);
    if (targets.host && w.host != nullptr && !PlaceCarried(w.host, *targets.host)) return;
    if (targets.playlist && w.playlist != nullptr) PlaceCarried(w.playlist, *targets.playlist);
}

}  // namespace

void SnapPositionRequest(DockRole self, const PlayerWindows& w, WINDOWPOS& request) {
    // The moving window is judged with the size it has now, not the one it asks for.
    const std::optional<DockRect> own = RectOf(request.hwnd);
    if (!own) return;
    const PlayerRects windows{RectOf(w.playerBar), RectOf(w.host), RectOf(w.playlist)};
    const DockPoint snapped = SnapRequest(self, {request.x, request.y}, {own->width, own->height},
                                          windows, PrimaryScreen(), *w.state, w.wallpaperMode);
    request.x = snapped.x;
    request.y = snapped.y;
}

void BeginCarry(const PlayerWindows& w) {
    *w.state = DockingState{};
    if (const std::optional<DockRect> bar = RectOf(w.playerBar)) {
        *w.state = DecideCarry(*bar, RectOf(w.host), RectOf(w.playlist));
    }
}

void CarryDocked(const PlayerWindows& w) {
    // A carried window's own handlers run inside the moves; whatever they raise stays here.
    GuardedQuietly("carrying the docked windows", [&] { PlaceAll(w); });
}

void EndCarry(const PlayerWindows& w) { *w.state = DockingState{}; }

}  // namespace vr
