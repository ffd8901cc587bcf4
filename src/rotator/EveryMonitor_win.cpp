#include "rotator/EveryMonitor_win.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "platform/Monitors_win.h"
#include "rotator/MonitorLayout.h"
#include "rotator/MonitorScreen_win.h"
#include "rotator/RotatorLoop_win.h"
#include "rotator/SaverProbe_win.h"
#include "rotator/ScreenRotation.h"

namespace vr {
namespace {

constexpr unsigned kLookEveryMs = 50;
// Where no WM_DISPLAYCHANGE comes, the layout is asked anyway, well within the 2 s a new layout
// may show the old windows.
constexpr ULONGLONG kLayoutLookEveryMs = 1000;

std::vector<MonitorArea> MonitorsNow() {
    std::vector<MonitorArea> areas;
    for (const DisplayMonitor& m : DisplayMonitors())
        areas.push_back({m.area.left, m.area.top, m.area.right, m.area.bottom, m.primary});
    return PlayingOrder(std::move(areas));
}

class EveryMonitorRun {
public:
    explicit EveryMonitorRun(const RotatorPlan& plan) : plan_(plan), lineup_(plan, probe_) {}

    void Begin(ULONGLONG now) {
        GetCursorPos(&cursorAtStart_);
        for (const MonitorArea& area : MonitorsNow())
            screens_.push_back(std::make_unique<MonitorScreen>(area, events_));
        // Keys go to the foreground window: the rotator's, not a preview's inside it.
        if (!screens_.empty()) SetForegroundWindow(screens_.front()->Handle());
        nextLayoutLook_ = now + kLayoutLookEveryMs;
        Advance(now);
    }

    // False once the user's input ended it.
    bool Look(ULONGLONG now) {
        // The previews cover the windows, so the mouse moves over theirs, never over ours.
        POINT cursor{};
        GetCursorPos(&cursor);
        if (HandMoved(cursor.x - cursorAtStart_.x, cursor.y - cursorAtStart_.y)) events_.input = true;
        if (events_.input) return false;
        if (events_.layoutChanged || now >= nextLayoutLook_) {
            events_.layoutChanged = false;
            nextLayoutLook_ = now + kLayoutLookEveryMs;
            Rebuild(MonitorsNow());
        }
        if (plan_.intervalMs && now >= nextChange_) Advance(now);
        for (const auto& screen : screens_) {
            const std::optional<std::size_t> broken = screen->Look(now);
            if (!broken) continue;
            lineup_.MarkBroken(*broken);
            if (broken == first_) {
                Advance(now);
            } else if (first_) {
                WantOn(EntriesFrom(*first_), 0);
            }
        }
        return !events_.input;
    }

private:
    std::vector<std::size_t> EntriesFrom(std::size_t first) {
        return EntriesOnMonitors(first, screens_.size(), plan_.entries.size(),
                                 [this](std::size_t entry) { return lineup_.Playable(entry); });
    }

    // Monitors from `from` on take their entries; those before keep what they play.
    void WantOn(const std::vector<std::size_t>& entries, std::size_t from) {
        for (std::size_t k = from; k < entries.size() && k < screens_.size(); ++k)
            screens_[k]->Want(entries[k], lineup_.PathOf(entries[k]));
    }

    // Every monitor moves on together: the first to the lineup's next entry, the others after it.
    void Advance(ULONGLONG now) {
        if (plan_.intervalMs) nextChange_ = now + *plan_.intervalMs;
        first_ = lineup_.Upcoming();
        if (!first_) return;  // nothing left to play: the windows stay black until the user comes
        lineup_.Take(*first_);
        WantOn(EntriesFrom(*first_), 0);
    }

    // Monitors that stayed where they were play on; the others get windows of their own, with
    // the entries their places in the order take now.
    void Rebuild(const std::vector<MonitorArea>& areas) {
        std::vector<MonitorArea> before;
        for (const auto& screen : screens_) before.push_back(screen->Area());
        // No monitor at all is a moment of a change, not a layout to cover.
        if (before == areas || areas.empty()) return;
        const std::vector<std::optional<std::size_t>> kept = KeptWindows(before, areas);
        std::vector<std::unique_ptr<MonitorScreen>> screens;
        std::vector<std::size_t> made;
        for (std::size_t k = 0; k < areas.size(); ++k) {
            if (kept[k]) {
                screens.push_back(std::move(screens_[*kept[k]]));
            } else {
                screens.push_back(std::make_unique<MonitorScreen>(areas[k], events_));
                made.push_back(k);
            }
        }
        screens_ = std::move(screens);  // the windows of monitors that went end with their previews
        if (!first_) return;
        const std::vector<std::size_t> entries = EntriesFrom(*first_);
        for (std::size_t k : made) screens_[k]->Want(entries[k], lineup_.PathOf(entries[k]));
    }

    const RotatorPlan& plan_;
    WinEntryProbe probe_;
    SaverLineup lineup_;
    ScreenEvents events_;
    std::vector<std::unique_ptr<MonitorScreen>> screens_;  // in playing order
    std::optional<std::size_t> first_;                     // the first monitor's entry
    ULONGLONG nextChange_ = 0;
    ULONGLONG nextLayoutLook_ = 0;
    POINT cursorAtStart_{};
};

}  // namespace

bool PlaysOnEveryMonitor(const RotatorPlan& plan) {
    return !plan.oneAcrossMonitors && MonitorsNow().size() > 1;
}

void RunOnEveryMonitor(const RotatorPlan& plan) {
    EveryMonitorRun run(plan);
    run.Begin(GetTickCount64());
    RunLooking(kLookEveryMs, [&] { return run.Look(GetTickCount64()); });
}

}  // namespace vr
