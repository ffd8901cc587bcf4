#include "files/BusyRetry.h"

namespace vr {

TryOutcome RetryWhileBusy(const std::function<TryOutcome()>& tryOnce,
                          const std::function<void(unsigned milliseconds)>& pause) {
    TryOutcome outcome = tryOnce();
    for (int tries = 1; outcome == TryOutcome::Busy && tries < kBusyTries; ++tries) {
        pause(kBusyPauseMs);
        outcome = tryOnce();
    }
    return outcome;
}

}  // namespace vr
