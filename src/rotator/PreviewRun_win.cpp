#include "rotator/PreviewRun_win.h"

#include "hosting/SaverCommand.h"
#include "hosting/SaverProcess_win.h"
#include "rotator/CoverWindow_win.h"
#include "rotator/RotatorLoop_win.h"
#include "rotator/SaverProbe_win.h"

namespace vr {
namespace {

// Often enough that everything ends well within a tenth of a second of the window going.
constexpr unsigned kLookEveryMs = 50;

}  // namespace

// As the player's host window does, inside a window of the rotator's own: the previews there are
// told to quit, the next one starts at once, one that has not ended when its grace is over is
// ended with its job, and one that stops answering is ended and the next plays in its place.
void RunPreviews(const RotatorPlan& plan, HWND given) {
    GreenPane pane;
    pane.Create(given);
    WinEntryProbe probe;
    SaverLineup lineup(plan, probe);
    const WorkSlice::Clock clock = [] { return GetTickCount64(); };
    PreviewCustody custody;
    std::optional<std::size_t> playing;
    bool startOwed = true;
    // True once the start is settled: started, left playing, or nothing to play.
    auto startNext = [&] {
        const auto next = lineup.Upcoming(WorkSlice(clock));
        if (!next) return !lineup.Searching();
        if (next == playing && custody.Any()) return true;
        lineup.Take(*next);
        PostQuitToWindowsOf(pane.Handle(), custody.ProcessIds());
        custody.StopAll();
        custody.Start(
            PreviewCommandLine(lineup.PathOf(*next), reinterpret_cast<std::uintptr_t>(pane.Handle())));
        playing = next;
        return true;
    };
    ULONGLONG nextChange = 0;
    // Leaving ends every preview still in custody with its job.
    RunLooking(kLookEveryMs, [&] {
        if (!IsWindow(given)) return false;
        pane.FollowSizeOf(given);
        custody.Sweep();
        if (custody.AskAndEndHung(pane.Handle())) startOwed = true;
        if (plan.intervalMs && GetTickCount64() >= nextChange) startOwed = true;
        if (startOwed && startNext()) {
            startOwed = false;
            nextChange = GetTickCount64() + plan.intervalMs.value_or(0);
        }
        return true;
    });
    EndChildrenOfThisProcess();
}

}  // namespace vr
