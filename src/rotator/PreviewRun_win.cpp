#include "rotator/PreviewRun_win.h"

#include "hosting/SaverCommand.h"
#include "hosting/SaverProcess_win.h"
#include "rotator/CoverWindow_win.h"
#include "rotator/RotatorLoop_win.h"
#include "rotator/SaverProbe_win.h"

namespace vr {
namespace {

// Often enough that everything ends within a second of the window going.
constexpr unsigned kLookEveryMs = 100;

}  // namespace

// As the player's host window does: the previews in the window are told to quit, the next one
// starts at once, and one that has not ended when its grace is over is ended with its job.
void RunPreviews(const RotatorPlan& plan, HWND pane) {
    WinEntryProbe probe;
    SaverLineup lineup(plan, probe);
    if (!lineup.Upcoming()) {
        FillPaneUntilGone(pane);
        return;
    }
    PreviewCustody custody;
    std::optional<std::size_t> playing;
    auto startNext = [&] {
        const auto next = lineup.Upcoming();
        if (!next || next == playing) return;
        lineup.Take(*next);
        PostQuitToWindowsIn(pane);
        custody.StopAll();
        custody.Start(PreviewCommandLine(lineup.PathOf(*next), reinterpret_cast<std::uintptr_t>(pane)));
        playing = next;
    };
    startNext();
    ULONGLONG nextChange = GetTickCount64() + plan.intervalMs.value_or(0);
    // Leaving ends every preview still in custody with its job.
    RunLooking(kLookEveryMs, [&] {
        if (!IsWindow(pane)) return false;
        custody.Sweep();
        if (plan.intervalMs && GetTickCount64() >= nextChange) {
            startNext();
            nextChange = GetTickCount64() + *plan.intervalMs;
        }
        return true;
    });
}

}  // namespace vr
