#pragma once
// What the system reports about who can see the preview pane: the session's lock and connection
// and the displays' power as notifications to the host window, and what lies over the pane's
// monitor as a look at the windows above the host.
#include <windows.h>

#include <atomic>
#include <memory>
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

    // Session notifications go to window from now on, and the displays' power is reported to it.
    void Register(HWND window);
    void Unregister();
    // The change a notification or a report brings to visibility; nothing for other messages.
    std::optional<PaneVisibility::Change> OnMessage(PaneVisibility& visibility, UINT msg,
                                                    WPARAM wParam) const;

private:
    // What the system last reported of the displays (-1: nothing yet), for the window to read.
    struct Subscription {
        static ULONG CALLBACK Reported(void* context, ULONG type, void* setting);
        HWND window = nullptr;
        std::atomic<int> consoleDisplayOn{-1};
        std::atomic<int> sessionDisplayOn{-1};
    };
    HWND window_ = nullptr;
    std::unique_ptr<Subscription> subscription_;
    HPOWERNOTIFY consoleDisplay_ = nullptr;
    HPOWERNOTIFY sessionDisplay_ = nullptr;
};

// The windows down to the pane's host window, the monitor that shows the pane and the shell's
// state of the screen. Windows of `ourProcesses` and of this one are
// marked as ours.
MonitorLook LookOverPane(HWND pane, const std::vector<DWORD>& ourProcesses);

}  // namespace vr
