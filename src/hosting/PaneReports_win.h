#pragma once
// What the system reports about who can see the preview pane: the session's lock and the
// display's power as notifications to the host window, and another program's window over the
// whole monitor as a look at the foreground window.
#include <windows.h>

#include <optional>

#include "hosting/PaneVisibility.h"

namespace vr {

class PaneReports {
public:
    PaneReports() = default;
    PaneReports(const PaneReports&) = delete;
    PaneReports& operator=(const PaneReports&) = delete;
    ~PaneReports() { Unregister(); }

    // Session and display notifications go to window from now on.
    void Register(HWND window);
    void Unregister();
    // The change a notification brings to visibility; nothing for other messages.
    std::optional<PaneVisibility::Change> OnMessage(PaneVisibility& visibility, UINT msg, WPARAM wParam,
                                                    LPARAM lParam) const;

private:
    HWND window_ = nullptr;
    HPOWERNOTIFY display_ = nullptr;
};

// The foreground window belongs to another program, is not the desktop or the taskbar, and
// spans the whole monitor that shows the pane.
bool PaneMonitorCovered(HWND pane);

}  // namespace vr
