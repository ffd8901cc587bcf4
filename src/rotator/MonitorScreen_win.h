#pragma once
// One monitor under Veilrunner.scr: a black window of the rotator's own over the whole monitor,
// and the previews playing in it. The next entry starts in the same window while the one before
// plays on, and the one before is told to quit only once the next one's window is there, so the
// monitor never shows the black between two.
#include <windows.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "hosting/SaverProcess_win.h"
#include "platform/Window_win.h"
#include "rotator/MonitorLayout.h"

namespace vr {

inline constexpr char kMonitorScreenClass[] = "VeilrunnerMonitorScreen";

// What the monitors' windows heard, for the run to act on.
struct ScreenEvents {
    bool input = false;          // a key, a click, a real move of the mouse: the end
    bool layoutChanged = false;  // WM_DISPLAYCHANGE
};

class MonitorScreen {
public:
    // A saver with no window in its monitor's window this long after its start is broken.
    static constexpr ULONGLONG kShowsWithinMs = 10000;

    MonitorScreen(const MonitorArea& area, ScreenEvents& events);
    MonitorScreen(const MonitorScreen&) = delete;
    MonitorScreen& operator=(const MonitorScreen&) = delete;
    // Tells every preview to quit and ends what is left of them after their grace.
    ~MonitorScreen();

    const MonitorArea& Area() const { return area_; }
    HWND Handle() const;
    // Plays the entry next, unless it plays or comes already. It starts once the preview before
    // the one on screen has gone, so a monitor never has more than two saver processes.
    void Want(std::size_t entry, const std::string& path);
    // Hands over to the next preview once its window is there; gives the entry of one that ended
    // or never showed a window, which plays nowhere again.
    std::optional<std::size_t> Look(ULONGLONG now);

private:
    class Backdrop;
    struct Preview {
        std::size_t entry = 0;
        std::unique_ptr<PreviewCustody> custody;
        ULONGLONG startedAt = 0;
    };

    bool HasWindow(const Preview& preview) const;
    void TellToQuit(Preview& preview);

    MonitorArea area_;
    std::unique_ptr<Backdrop> window_;
    std::optional<Preview> playing_;
    std::optional<Preview> coming_;
    std::vector<std::unique_ptr<PreviewCustody>> leaving_;  // told to quit, within their grace
    std::optional<std::pair<std::size_t, std::string>> wanted_;
    ULONGLONG lastHungLook_ = 0;
};

}  // namespace vr
