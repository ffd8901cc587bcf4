#include "rotator/EveryMonitor_win.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "platform/Monitors_win.h"
#include "rotator/InputHooks_win.h"
#include "rotator/MonitorLayout.h"
#include "rotator/MonitorScreen_win.h"
#include "rotator/RotatorLoop_win.h"
#include "rotator/SaverProbe_win.h"

namespace vr {
namespace {

constexpr unsigned kLookEveryMs = 50;
// Asking for the monitors is cheap, and a new layout then shows the old windows for well under
// the 2 s a display change may take.
constexpr ULONGLONG kLayoutLookEveryMs = 500;

std::vector<MonitorArea> MonitorsNow() {
    std::vector<MonitorArea> areas;
    for (const DisplayMonitor& m : DisplayMonitors())
        areas.push_back({m.area.left, m.area.top, m.area.right, m.area.bottom, m.primary});
    return PlayingOrder(std::move(areas));
}

class EveryMonitorRun {
public:
    // A long playlist takes its time to read: the monitors are covered before.
    explicit EveryMonitorRun(const std::function<RotatorPlan()>& readPlan)
        : screens_(CoverMonitors()), plan_(readPlan()), lineup_(plan_, probe_) {}

    HANDLE UserBackEvent() const { return input_.BackEvent(); }

    // False once the user is back, or the system closed a window as it ends a screensaver.
    bool Look(ULONGLONG now) {
        if (input_.UserBack()) return false;
        if (now >= nextLayoutLook_) {
            nextLayoutLook_ = now + kLayoutLookEveryMs;
            Rebuild(MonitorsNow());
        }
        if (plan_.intervalMs && now >= nextChange_) advanceOwed_ = true;
        if (advanceOwed_ && Advance(now)) advanceOwed_ = false;
        bool anySaver = false;
        for (const auto& screen : screens_) {
            if (screen->Closed()) return false;
            if (const std::optional<std::size_t> broken = screen->Look(now)) {
                lineup_.MarkBroken(*broken);
                if (broken == first_) {
                    advanceOwed_ = true;
                } else if (first_) {
                    WantOn(EntriesFrom(*first_), 0);
                }
            }
            anySaver = anySaver || screen->AnySaver();
        }
        // Input a program makes counts only while none of the savers could have made it.
        input_.SaversRun(anySaver);
        return true;
    }

private:
    static std::vector<std::unique_ptr<MonitorScreen>> CoverMonitors() {
        std::vector<std::unique_ptr<MonitorScreen>> screens;
        for (const MonitorArea& area : MonitorsNow())
            screens.push_back(std::make_unique<MonitorScreen>(area));
        return screens;
    }

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
    // False while a long playlist is still being searched, to go on at the next look.
    bool Advance(ULONGLONG now) {
        const std::optional<std::size_t> next = lineup_.Upcoming(WorkSlice(clock_));
        if (!next && lineup_.Searching()) return false;
        if (plan_.intervalMs) nextChange_ = now + *plan_.intervalMs;
        first_ = next;
        if (!first_) return true;  // nothing left to play: the windows stay black until the user comes
        lineup_.Take(*first_);
        WantOn(EntriesFrom(*first_), 0);
        return true;
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
                screens.push_back(std::make_unique<MonitorScreen>(areas[k]));
                made.push_back(k);
            }
        }
        screens_ = std::move(screens);  // the windows of monitors that went end with their previews
        if (!first_) return;
        const std::vector<std::size_t> entries = EntriesFrom(*first_);
        for (std::size_t k : made) screens_[k]->Want(entries[k], lineup_.PathOf(entries[k]));
    }

    UserInputHooks input_;
    std::vector<std::unique_ptr<MonitorScreen>> screens_;  // in playing order
    const RotatorPlan plan_;
    const WorkSlice::Clock clock_ = [] { return GetTickCount64(); };
    WinEntryProbe probe_;
    SaverLineup lineup_;
    std::optional<std::size_t> first_;  // the first monitor's entry
    bool advanceOwed_ = true;
    ULONGLONG nextChange_ = 0;
    ULONGLONG nextLayoutLook_ = 0;
};

}  // namespace

bool PlaysOnEveryMonitor(bool oneAcrossChosen) { return !oneAcrossChosen && MonitorsNow().size() > 1; }

void RunOnEveryMonitor(const std::function<RotatorPlan()>& readPlan) {
    EveryMonitorRun run(readPlan);
    RunLooking(
        kLookEveryMs, [&] { return run.Look(GetTickCount64()); }, run.UserBackEvent());
}

}  // namespace vr
