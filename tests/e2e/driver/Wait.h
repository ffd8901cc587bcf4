#pragma once
// Waiting for a condition in the program under test: poll often, give up at a deadline. The
// deadline only guards against hangs; no scenario depends on how fast anything happens.
#include <windows.h>

#include <chrono>

namespace e2e {

using namespace std::chrono_literals;

inline constexpr std::chrono::milliseconds kDeadline = 15s;
inline constexpr std::chrono::milliseconds kPollEvery = 20ms;

// Calls `probe` until it returns something truthy or the deadline passes; returns the last result.
template <class Probe>
auto WaitFor(Probe&& probe, std::chrono::milliseconds deadline = kDeadline) -> decltype(probe()) {
    const auto giveUp = std::chrono::steady_clock::now() + deadline;
    for (;;) {
        auto result = probe();
        if (result || std::chrono::steady_clock::now() >= giveUp) return result;
        Sleep(static_cast<DWORD>(kPollEvery.count()));
    }
}

// True when `condition` held before the deadline.
template <class Condition>
bool WaitUntil(Condition&& condition, std::chrono::milliseconds deadline = kDeadline) {
    return WaitFor([&] { return static_cast<bool>(condition()); }, deadline);
}

}  // namespace e2e
