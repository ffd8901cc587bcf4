#include "rotator/FullScreenRun_win.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "hosting/CustodyRefusal.h"
#include "hosting/SaverCommand.h"
#include "hosting/SaverProcess_win.h"
#include "platform/Window_win.h"
#include "rotator/Backdrop_win.h"
#include "rotator/ForegroundHandOver.h"
#include "rotator/InputHooks_win.h"
#include "rotator/RotatorLoop_win.h"
#include "rotator/SaverProbe_win.h"
#include "rotator/ScreenRotation.h"

namespace vr {
namespace {

// Short enough that the end follows the user's input well within a tenth of a second.
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

std::vector<HWND> TopLevelWindowsOf(const std::vector<DWORD>& processes) {
    WindowSearch search{&processes, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool OnScreen(HWND window) {
    RECT rect{};
    return IsWindowVisible(window) && !IsIconic(window) && GetWindowRect(window, &rect) &&
           rect.right > rect.left && rect.bottom > rect.top;
}

// The full-screen savers in custody, and the foreground handed on among them and the backdrop.
// Asked to end, a saver's windows are closed; one still there when the grace is over is ended
// with its job.
class FullScreenSavers final : public SaverStarter, private ForegroundSystem {
public:
    FullScreenSavers(HWND backdrop, UserInputHooks& input) : backdrop_(backdrop), input_(input) {}
    ~FullScreenSavers() override { EndAll(); }

    std::optional<SaverId> Start(const std::string& path) override {
        if (input_.UserBack()) return std::nullopt;  // nothing more starts once the user is back
        input_.SaversRun(true);                      // before it can make input of its own
        const SaverId id = nextId_++;
        SaverInJob process =
            StartInJob(FullScreenCommandLine(path), SaverStart::FullScreen, [&](DWORD processId) {
                starting_ = processId;
                foreground_.BeforeResume(id);
                starting_ = 0;
            });
        if (!process.process) return std::nullopt;
        const CustodyRefusal::Outcome outcome =
            refusal_.Answered(static_cast<bool>(process.job), GetLastError());
        if (!outcome.report.empty()) ReportToDebugger("full-screen custody", outcome.report.c_str());
        savers_.push_back({id, std::move(process), 0});
        return id;
    }

    void AskToEnd(SaverId id) override {
        for (Saver& saver : savers_) {
            if (saver.id != id) continue;
            for (HWND window : TopLevelWindowsOf(ProcessesOf(saver))) PostMessageW(window, WM_CLOSE, 0, 0);
            saver.deadline = GetTickCount64() + PreviewCustody::kGraceMs;
        }
    }

    // Tells the rotation which savers ended and which showed their window, and hands the
    // foreground on.
    void Look(ScreenRotation& rotation) {
        const ULONGLONG now = GetTickCount64();
        std::vector<SaverId> ended;
        std::vector<SaverId> shown;
        for (const Saver& saver : savers_) {
            if (WaitForSingleObject(saver.process.process.Get(), 0) == WAIT_OBJECT_0 ||
                (saver.deadline != 0 && now >= saver.deadline)) {
                ended.push_back(saver.id);
            } else if (rotation.AwaitsWindow(saver.id)) {
                if (HWND up = ShownWindowOf(saver)) {
                    // Above the backdrop, also when it did not ask to be topmost; posted, as a
                    // saver that hangs would never answer.
                    SetWindowPos(up, HWND_TOPMOST, 0, 0, 0, 0,
                                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
                    shown.push_back(saver.id);
                }
            }
        }
        std::erase_if(savers_, [&](Saver& s) {
            if (std::find(ended.begin(), ended.end(), s.id) == ended.end()) return false;
            EndInCustody(s.process);
            return true;
        });
        for (SaverId id : ended) rotation.SaverEnded(id, now);
        for (SaverId id : shown) rotation.SaverShown(id, now);
        rotation.Tick(now);
        foreground_.Look(rotation.OnScreen());
    }

    void EndAll() {
        for (Saver& saver : savers_) EndInCustody(saver.process);
        savers_.clear();
        EndChildrenOfThisProcess();
    }

    bool Any() const { return !savers_.empty(); }

private:
    struct Saver {
        SaverId id;
        SaverInJob process;
        ULONGLONG deadline;  // asked to end: ended with its job then; 0 while it plays
    };

    // A saver may draw from a process it started.
    static std::vector<DWORD> ProcessesOf(const Saver& saver) {
        return ProcessIdsOf(saver.process.job.Get(), saver.process.process.Get());
    }
    static HWND ShownWindowOf(const Saver& saver) {
        for (HWND window : TopLevelWindowsOf(ProcessesOf(saver)))
            if (OnScreen(window)) return window;
        return nullptr;
    }

    // A saver's window that does not answer holds the keys it is sent, and on Wine every key
    // of the display: it counts as none of ours, and the backdrop takes the foreground back.
    Holder Foreground() override {
        HWND window = GetForegroundWindow();
        if (window && window == backdrop_) return Holder::Backdrop;
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        for (const Saver& saver : savers_) {
            const auto ids = ProcessesOf(saver);
            if (window && std::find(ids.begin(), ids.end(), process) != ids.end())
                return Answers(window) ? Holder::Saver : Holder::Else;
        }
        return Holder::Else;
    }
    // Asks the window, without waiting; false once it has owed an answer for a second.
    bool Answers(HWND window) {
        constexpr ULONGLONG kHungMs = 1000;
        static bool owed = false;
        if (window != asked_ || !owed) {
            asked_ = window;
            askedAt_ = GetTickCount64();
            owed = SendMessageCallbackW(
                window, WM_NULL, 0, 0, [](HWND, UINT, ULONG_PTR, LRESULT) { owed = false; }, 0);
            return true;
        }
        return GetTickCount64() - askedAt_ < kHungMs;
    }
    bool Allow(SaverId) override { return starting_ && AllowSetForegroundWindow(starting_); }
    bool TakeForBackdrop() override { return SetForegroundWindow(backdrop_); }
    bool GiveTo(SaverId id) override {
        for (const Saver& saver : savers_)
            if (HWND window = saver.id == id ? ShownWindowOf(saver) : nullptr)
                return SetForegroundWindow(window);
        return false;
    }

    HWND backdrop_;
    UserInputHooks& input_;
    ForegroundHandOver foreground_{*this};
    std::vector<Saver> savers_;
    SaverId nextId_ = 1;
    DWORD starting_ = 0;  // the process of the saver whose first thread waits to run
    HWND asked_ = nullptr;
    ULONGLONG askedAt_ = 0;
    CustodyRefusal refusal_;
};

}  // namespace

void RunFullScreen(const std::function<RotatorPlan()>& readPlan) {
    Backdrop backdrop;
    backdrop.Create(VirtualScreen());
    UserInputHooks input;
    const RotatorPlan plan = readPlan();
    WinEntryProbe probe;
    SaverLineup lineup(plan, probe);
    FullScreenSavers savers(backdrop.Handle(), input);
    const WorkSlice::Clock clock = [] { return GetTickCount64(); };
    ScreenRotation rotation(lineup, plan.intervalMs, savers, clock);
    rotation.Begin(GetTickCount64());
    // Only the user's input, or the system closing the backdrop, ends the run; with nothing left
    // to play the backdrop covers alone until then.
    RunLooking(
        kLookEveryMs,
        [&] {
            if (input.UserBack() || backdrop.Closed()) return false;
            savers.Look(rotation);
            input.SaversRun(savers.Any());
            return true;
        },
        input.BackEvent());
}

}  // namespace vr
