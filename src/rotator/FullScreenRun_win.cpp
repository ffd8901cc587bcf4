#include "rotator/FullScreenRun_win.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "hosting/SaverCommand.h"
#include "hosting/SaverProcess_win.h"
#include "rotator/CoverWindow_win.h"
#include "rotator/RotatorLoop_win.h"
#include "rotator/SaverProbe_win.h"
#include "rotator/ScreenRotation.h"

namespace vr {
namespace {

constexpr unsigned kLookEveryMs = 50;

struct WindowSearch {
    const std::vector<DWORD>* processes;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<WindowSearch*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (std::find(search.processes->begin(), search.processes->end(), process) != search.processes->end())
        search.found.push_back(window);
    return TRUE;
}

std::vector<HWND> TopLevelWindowsOf(const SaverInJob& saver) {
    // A saver may draw from a process it started.
    const std::vector<DWORD> processes = ProcessIdsOf(saver.job.Get(), saver.process.Get());
    WindowSearch search{&processes, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool OnScreen(HWND window) {
    RECT rect{};
    return IsWindowVisible(window) && !IsIconic(window) && GetWindowRect(window, &rect) && rect.right > rect.left &&
           rect.bottom > rect.top;
}

POINT CursorNow() {
    POINT at{};
    GetCursorPos(&at);
    return at;
}

// The user moved the mouse since the saver started: a saver ending in its first second by the
// user's hand is not broken. The system's last-input time cannot tell: a window appearing under
// the pointer counts as input there.
bool MovedSince(POINT from) {
    const POINT now = CursorNow();
    return HandMoved(now.x - from.x, now.y - from.y);
}

// The full-screen savers in custody. Asked to end, a saver's windows are closed; one still there
// when the grace is over is ended with its job.
class FullScreenSavers final : public SaverStarter {
public:
    std::optional<SaverId> Start(const std::string& path) override {
        SaverInJob process = StartInJob(FullScreenCommandLine(path), SaverStart::FullScreen);
        if (!process.process) return std::nullopt;
        savers_.push_back({nextId_, std::move(process), CursorNow(), 0});
        return nextId_++;
    }

    void AskToEnd(SaverId id) override {
        for (Saver& saver : savers_) {
            if (saver.id != id) continue;
            for (HWND window : TopLevelWindowsOf(saver.process)) PostMessageW(window, WM_CLOSE, 0, 0);
            saver.deadline = GetTickCount64() + PreviewCustody::kGraceMs;
        }
    }

    // Tells the rotation which savers ended and which showed their window.
    void Look(ScreenRotation& rotation) {
        const ULONGLONG now = GetTickCount64();
        struct Ending {
            SaverId id;
            bool input;
        };
        std::vector<Ending> ended;
        std::vector<SaverId> shown;
        for (const Saver& saver : savers_) {
            if (WaitForSingleObject(saver.process.process.Get(), 0) == WAIT_OBJECT_0) {
                ended.push_back({saver.id, MovedSince(saver.cursorAtStart)});
            } else if (saver.deadline != 0 && now >= saver.deadline) {
                ended.push_back({saver.id, false});
            } else if (rotation.AwaitsWindow(saver.id)) {
                const auto windows = TopLevelWindowsOf(saver.process);
                if (std::any_of(windows.begin(), windows.end(), OnScreen)) shown.push_back(saver.id);
            }
        }
        // Dropping a saver closes its job, which ends whatever is left of it.
        std::erase_if(savers_, [&](const Saver& s) {
            return std::any_of(ended.begin(), ended.end(), [&](const Ending& e) { return e.id == s.id; });
        });
        for (const Ending& e : ended) rotation.SaverEnded(e.id, now, e.input);
        for (SaverId id : shown) rotation.SaverShown(id, now);
        rotation.Tick(now);
    }

    void EndAll() { savers_.clear(); }

private:
    struct Saver {
        SaverId id;
        SaverInJob process;
        POINT cursorAtStart;
        ULONGLONG deadline;  // asked to end: ended with its job then; 0 while it plays
    };
    std::vector<Saver> savers_;
    SaverId nextId_ = 1;
};

}  // namespace

void RunFullScreen(const RotatorPlan& plan) {
    WinEntryProbe probe;
    SaverLineup lineup(plan, probe);
    FullScreenSavers savers;
    ScreenRotation rotation(lineup, plan.intervalMs, savers);
    rotation.Begin(GetTickCount64());
    RunLooking(kLookEveryMs, [&] {
        if (!rotation.Ended()) savers.Look(rotation);
        return !rotation.Ended();
    });
    savers.EndAll();
    if (rotation.Current() == ScreenRotation::State::NothingToPlay) CoverScreenUntilInput();
}

}  // namespace vr
