#pragma once
// The rotator's one thread: it handles its messages and looks at its savers every few
// milliseconds, and at once when `wakeUp` is set, until the look says to stop or a WM_QUIT
// arrives.
#include <windows.h>

#include <functional>

namespace vr {

// `look` runs at once and then every `everyMs`; the loop ends when it returns false.
void RunLooking(unsigned everyMs, const std::function<bool()>& look, HANDLE wakeUp = nullptr);

}  // namespace vr
