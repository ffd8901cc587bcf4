#pragma once
// The DPI a window or a monitor is shown at, window sizes at a DPI, and the DPI awareness the
// thread creates windows in.
#include <windows.h>

namespace vr {

// The window's own DPI where the system knows one per window (Windows 10 1607 and later),
// otherwise the screen's; a null window asks for the screen's. A window of ours inside another
// program's window (the host in the desktop's icon view, which spans every monitor) takes the
// DPI of the monitor it is on.
int WindowDpi(HWND window);

// The monitor nearest the point, and its DPI (the screen's where the system has one DPI).
// `known` is a window on some monitor, whose DPI answers for that one: the shell's scaling
// library, which the program otherwise seldom needs, is loaded only to ask about another.
struct MonitorAtPoint {
    RECT area;
    int dpi;
};
MonitorAtPoint MonitorNear(POINT point, HWND known);

// The outer size of a window of this style around a client area of this size, at this DPI
// (the screen's DPI only, before Windows 10 1607).
SIZE OuterSizeAtDpi(DWORD style, DWORD exStyle, SIZE client, int dpi);

// While it lives, windows the thread creates may hold child windows of any DPI awareness, each
// scaled by the system on its own: a saver's window in the pane keeps its awareness and the
// player keeps its own. Windows 10 1803 and later; elsewhere nothing changes.
class MixedDpiHosting {
public:
    MixedDpiHosting();
    ~MixedDpiHosting();
    MixedDpiHosting(const MixedDpiHosting&) = delete;
    MixedDpiHosting& operator=(const MixedDpiHosting&) = delete;

private:
    DPI_HOSTING_BEHAVIOR previous_ = DPI_HOSTING_BEHAVIOR_INVALID;
};

// While it lives, windows the thread creates take the DPI awareness of `window`, as a child of
// another program's window must have its parent's. Windows 10 1607 and later; elsewhere, or for
// no window, nothing changes.
class DpiAwarenessOf {
public:
    explicit DpiAwarenessOf(HWND window);
    ~DpiAwarenessOf();
    DpiAwarenessOf(const DpiAwarenessOf&) = delete;
    DpiAwarenessOf& operator=(const DpiAwarenessOf&) = delete;

private:
    DPI_AWARENESS_CONTEXT previous_ = nullptr;
};

}  // namespace vr
