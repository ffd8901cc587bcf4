#pragma once
// What the system reports about who can see the preview pane: the session's lock and connection
// and the displays' power as notifications to the host window, and what lies over the pane's
// monitor as a look at the windows above the host.
#include <windows.h>

#include <optional>
#include <vector>

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
    HPOWERNOTIFY consoleDisplay_ = nullptr;
    HPOWERNOTIFY sessionDisplay_ = nullptr;
};

// The windows down to the pane's host window, the monitor that shows the pane and the shell's
// state of the screen. Windows of `ourProcesses` and of this one are
// marked as ours.
MonitorLook LookOverPane(HWND pane, const std::vector<DWORD>& ourProcesses);

}  // namespace vr
