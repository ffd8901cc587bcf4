// Replacing a file that another program holds for a moment: how often and how long it is tried.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "files/BusyRetry.h"

namespace vr {
namespace {

using T = TryOutcome;

// Plays back the outcomes one try at a time (the last one repeats) and records the pauses.
struct Replay {
    std::vector<T> outcomes;
    int tries = 0;
    std::vector<unsigned> pauses{};

    T Run() {
        return RetryWhileBusy(
            [&] {
                const T outcome = outcomes[std::min<std::size_t>(tries, outcomes.size() - 1)];
                ++tries;
                return outcome;
            },
            [&](unsigned ms) { pauses.push_back(ms); });
    }
};

TEST(RetryWhileBusy, TriesAgainOnlyWhileTheFileIsBusy) {
    struct Case {
        const char* name;
        std::vector<T> outcomes;
        T result;
        int tries;
    };
    const Case cases[] = {
        {"done at once", {T::Done}, T::Done, 1},
        {"a final failure is not tried again", {T::Failed}, T::Failed, 1},
        {"busy twice, then done", {T::Busy, T::Busy, T::Done}, T::Done, 3},
        {"busy, then a final failure", {T::Busy, T::Failed}, T::Failed, 2},
        {"busy for good", {T::Busy}, T::Busy, kBusyTries},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Replay replay{c.outcomes};
        EXPECT_EQ(replay.Run(), c.result);
        EXPECT_EQ(replay.tries, c.tries);
        // A pause between two tries, never after the last one.
        EXPECT_EQ(replay.pauses, std::vector<unsigned>(c.tries - 1, kBusyPauseMs));
    }
    // Free on the very last try still counts.
    std::vector<T> freeAtLast(kBusyTries - 1, T::Busy);
    freeAtLast.push_back(T::Done);
    Replay replay{freeAtLast};
    EXPECT_EQ(replay.Run(), T::Done);
    EXPECT_EQ(replay.tries, kBusyTries);
}

TEST(RetryWhileBusy, GivesUpWithinAboutASecond) {
    Replay replay{{T::Busy}};
    replay.Run();
    unsigned waited = 0;
    for (unsigned ms : replay.pauses) waited += ms;
    EXPECT_GE(waited, 500u);
    EXPECT_LE(waited, 1000u);
}

}  // namespace
}  // namespace vr
