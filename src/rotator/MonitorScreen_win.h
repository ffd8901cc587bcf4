#pragma once
// One monitor under Veilrunner.scr: the rotator's black backdrop over the whole monitor, and the
// previews playing in it. The next entry starts in the same window while the one before plays
// on, and the one before is told to quit only once the next one's window is there, so the
// monitor never shows the black between two.
#include <windows.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "hosting/SaverProcess_win.h"
#include "rotator/Backdrop_win.h"
#include "rotator/MonitorLayout.h"

namespace vr {

class MonitorScreen {
public:
    // A saver with no window in its monitor's window this long after its start is broken.
    static constexpr ULONGLONG kShowsWithinMs = 10000;

    explicit MonitorScreen(const MonitorArea& area);
    MonitorScreen(const MonitorScreen&) = delete;
    MonitorScreen& operator=(const MonitorScreen&) = delete;
    // Tells every preview to quit and ends what is left of them after their grace.
    ~MonitorScreen();

    const MonitorArea& Area() const { return area_; }
    // The system or another program closed the window, as the end of a screensaver is asked for.
    bool Closed() const { return window_.Closed(); }
    bool AnySaver() const;
    // Plays the entry next, unless it plays or comes already. It starts once the preview before
    // the one on screen has gone, so a monitor never has more than two saver processes.
    void Want(std::size_t entry, const std::string& path);
    // Hands over to the next preview once its window is there; gives the entry of one that ended
    // or never showed a window, which plays nowhere again.
    std::optional<std::size_t> Look(ULONGLONG now);

private:
    struct Preview {
        std::size_t entry = 0;
        std::unique_ptr<PreviewCustody> custody;
        ULONGLONG startedAt = 0;
    };

    bool HasWindow(const Preview& preview) const;
    void TellToQuit(Preview& preview);
    void Leave(std::optional<Preview>& preview);

    MonitorArea area_;
    Backdrop window_;
    std::optional<Preview> playing_;
    std::optional<Preview> coming_;
    std::vector<std::unique_ptr<PreviewCustody>> leaving_;  // told to quit, within their grace
    std::optional<std::pair<std::size_t, std::string>> wanted_;
    ULONGLONG lastHungLook_ = 0;
};

}  // namespace vr
