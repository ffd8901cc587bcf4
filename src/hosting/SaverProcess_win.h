#pragma once
// Starting screensaver programs, and the previews in the player's custody.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "hosting/CustodyRefusal.h"
#include "platform/Handles_win.h"

namespace vr {

// Posts WM_QUIT to every window inside `pane`, children of children included: how a preview is
// asked to stop.
void PostQuitToWindowsIn(HWND pane);
// The same to those of them only that belong to these processes: whoever posts it started them,
// and a window of any other process inside the pane is none of its business.
void PostQuitToWindowsOf(HWND pane, const std::vector<DWORD>& processes);

// A saver process in a job of its own that ends every process in it when its handle is closed,
// so neither the saver nor anything it started outlives whoever holds it, even when that one is
// killed. Both handles are empty when the saver did not start; the job alone is empty when the
// system kept the saver out of it (Windows 7 inside a job of its own), which then is held by its
// process handle alone.
struct SaverInJob {
    OwnedHandle job;
    OwnedHandle process;
};
enum class SaverStart {
    Preview,     // a new process group at normal priority
    FullScreen,  // normal priority, a normal window requested, as the full-screen run
};
// beforeResume, when given, runs with the new process's id while its first thread still waits.
SaverInJob StartInJob(const std::string& commandLine, SaverStart how,
                      const std::function<void(DWORD)>& beforeResume = {});
// Ends the saver and all it started by closing its job; one the system kept out of its job is
// ended by its process handle.
void EndInCustody(SaverInJob& saver);
// Ends every process that names this one as its parent. A saver can start a process under the
// name of the one that started it, which then lands outside the saver's job: what is left of
// those when the savers are ended.
void EndChildrenOfThisProcess();

// The process and, when it has a job, every process in the job, those it started included.
std::vector<DWORD> ProcessIdsOf(HANDLE job, HANDLE process);

// "Install...": asks the display control panel, through rundll32, to make saverPath the system
// screensaver, not waiting for the outcome, and says so when rundll32 cannot be started; where a
// group policy would silently put its own choice in the place of it, says so in a box owned by
// `owner` instead.
void InstallSaver(HWND owner, const std::string& saverPath);

// The settings run: a new process group at normal priority, not waited for: the settings dialog
// is the user's window. Its process is watched only for its end, after which the player's windows
// it left disabled (its dialog is modal to one of them, and may die) are enabled again. A failed
// start is ignored.
void StartSaverDetached(const std::string& commandLine);
// The full-screen run: a normal window requested, waited for without a time limit, the windows
// answering meanwhile and the user's input kept for afterwards.
void RunSaverAndWait(const std::string& commandLine);

// The previews the player started. Each runs in a job object of its own that ends every process
// in it when its handle is closed, so neither a preview nor anything it started outlives the
// player, even when the player itself is killed. A preview the system keeps out of its job is
// held by its process handle alone and ended by it. A preview is asked to quit by the WM_QUIT posted
// to its windows; one that has not ended a short grace later (hung, ignoring WM_QUIT, or with its
// window outside the pane, where WM_QUIT never reaches) is ended with all it started.
class PreviewCustody {
public:
    // Well-behaved savers end within a few milliseconds of their WM_QUIT, slow machines and
    // savers that tidy up included; a second is still short enough that a rotation at its
    // fastest (3 s) never has more than one stopped preview left.
    static constexpr ULONGLONG kGraceMs = 1000;

    PreviewCustody() = default;
    PreviewCustody(const PreviewCustody&) = delete;
    PreviewCustody& operator=(const PreviewCustody&) = delete;

    // A new process group at normal priority, in a job of its own. A failed start is ignored.
    void Start(const std::string& commandLine);
    // Every preview still running was just told to quit: its grace starts now.
    void StopAll();
    // Ends the stopped previews whose grace is over and lets go of those that have ended. True
    // when a preview ended since the last call.
    bool Sweep();
    // Gives the stopped previews what is left of their grace, then ends every preview.
    void EndAll();
    bool AnyStopping() const;
    bool Any() const { return !previews_.empty(); }
    // A playing preview whose window does not answer stalls the player: a child window of another
    // process shares its input with the player's thread. Each playing preview's window in the
    // pane is asked now and then, without waiting, whether it answers; a preview that has owed its
    // answer for kHungMs is ended with its job. True when one was.
    static constexpr ULONGLONG kHungMs = 5000;
    static constexpr ULONGLONG kAskEveryMs = 1000;
    bool AskAndEndHung(HWND pane);
    // Every process of every preview, those they started included.
    std::vector<DWORD> ProcessIds() const;

private:
    struct Preview {
        OwnedHandle job;
        OwnedHandle process;
        ULONGLONG deadline = 0;  // 0 while it plays
        unsigned question = 0;   // the question its window still owes an answer to; 0: none
        ULONGLONG askedAt = 0;
    };
    static void Forget(const Preview& preview);
    std::vector<Preview> previews_;
    CustodyRefusal refusal_;
};

}  // namespace vr
