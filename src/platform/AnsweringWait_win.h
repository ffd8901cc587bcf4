#pragma once
// Waiting on the UI thread without looking hung. While it waits, the windows keep painting and
// answering what other threads and programs send them (the system's broadcasts, the session's
// end, a test asking), so the program is never "Not Responding"; clicks, keys, timers and other
// posted messages stay queued until the wait is over, so nothing the user does runs in between.
#include <windows.h>

namespace vr {

// Returns once `object` is signalled.
void WaitAnswering(HANDLE object);
// True during such a wait: a window asked to close then closes afterwards, not from under the
// handler that waits.
bool InAnsweringWait();

}  // namespace vr
