#pragma once
// Sending a message to the program under test without hanging the scenario when the program
// does not answer (for example while its one thread waits for a full-screen screensaver).
#include <windows.h>

namespace e2e {

inline constexpr UINT kAnswerWithinMs = 10000;

// SendMessageW that throws std::runtime_error when the window does not answer in time.
LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// PostMessageW that throws when the message cannot be queued (e.g. the window is gone).
void Post(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

}  // namespace e2e
