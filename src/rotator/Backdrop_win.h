#pragma once
// The rotator's own black window under the savers. It covers its area from the start of "/s" to
// its end, so the desktop never shows, whatever a saver does: shows late, never, small, off
// screen, hides, or ends. It holds the foreground whenever no saver does. One covers the virtual
// screen; a rotator may as well put one over each monitor.
#include <windows.h>

#include "platform/Window_win.h"

namespace vr {

inline constexpr char kBackdropClass[] = "VeilrunnerBlackScreen";

class Backdrop final : public Window {
public:
    // Shown topmost over `area` (screen pixels) only once it covers all of it, and made the
    // foreground window.
    void Create(const RECT& area);
    // The system or another program closed it, as the end of a screensaver is asked for.
    bool Closed() const { return closed_; }

private:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool closed_ = false;
};

// The virtual screen: every monitor.
RECT VirtualScreen();

}  // namespace vr
