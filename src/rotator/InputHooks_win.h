#pragma once
// The rotator's own eyes on the keyboard and the mouse: low-level hooks, which see the session's
// input before any window does, whichever window has the keyboard, and mark what a program
// injected. They live on a thread of their own that does nothing else, so they always answer in
// time, however long the rotator's thread is busy.
#include <windows.h>

#include <atomic>

#include "platform/Handles_win.h"

namespace vr {

class UserInputHooks {
public:
    UserInputHooks();
    ~UserInputHooks();
    UserInputHooks(const UserInputHooks&) = delete;
    UserInputHooks& operator=(const UserInputHooks&) = delete;

    // Whether a process the rotator started runs now: injected input then is not the user's.
    void SaversRun(bool run) { saversRun_ = run; }
    // Set once the user's input was seen, and stays set.
    HANDLE BackEvent() const { return back_.Get(); }
    bool UserBack() const { return WaitForSingleObject(back_.Get(), 0) == WAIT_OBJECT_0; }

private:
    static DWORD WINAPI Watch(void* self);

    OwnedHandle back_;
    OwnedHandle thread_;
    DWORD threadId_ = 0;
    std::atomic<bool> saversRun_{false};
};

}  // namespace vr
