#pragma once
// Virus scanners, the search indexer and sync clients open a file for a moment just after it was
// written; replacing it then fails although a little later it would not. Such failures are worth
// a few more tries, spread over about a second; any other failure is final at once.
#include <functional>

namespace vr {

enum class TryOutcome { Done, Busy, Failed };

inline constexpr int kBusyTries = 10;
inline constexpr unsigned kBusyPauseMs = 100;

// Calls `tryOnce` until it is done or fails for good, pausing kBusyPauseMs through `pause`
// after each busy try, at most kBusyTries tries in all. Returns the last outcome.
TryOutcome RetryWhileBusy(const std::function<TryOutcome()>& tryOnce,
                          const std::function<void(unsigned milliseconds)>& pause);

}  // namespace vr
