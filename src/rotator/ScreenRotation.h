#pragma once
// The full-screen rotation: which saver runs, when the next one starts, when the one before it
// is asked to end, and when everything ends. The next saver starts while the last still covers
// the screen, and the last is asked to end only once the next is on screen and has outlived
// the second in which a broken saver ends, so at most two savers run at once. A saver that ends
// by itself is passed over and the next plays at once; only the user's input ends the run, which
// is not this module's business.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "rotator/SaverLineup.h"

namespace vr {

using SaverId = unsigned;

// The saver processes, as the rotation sees them.
class SaverStarter {
public:
    virtual ~SaverStarter() = default;
    // Starts path full screen; nothing when it could not be started.
    virtual std::optional<SaverId> Start(const std::string& path) = 0;
    // Asks the saver to end; one that does not end soon is ended.
    virtual void AskToEnd(SaverId id) = 0;
};

class ScreenRotation {
public:
    // A saver that ends within this long of showing its window (or before showing one) without
    // being asked is broken: it is not tried again.
    static constexpr std::uint64_t kBrokenWithinMs = 1000;
    // A saver with no window on screen this long after its start is broken too.
    static constexpr std::uint64_t kShowsWithinMs = 10000;
    static constexpr std::size_t kMostAtOnce = 2;

    enum class State {
        Playing,
        NothingLeft,  // no entry exists, is not this program and is not broken: the backdrop alone
    };

    // clock: the time now, for the work slices of starts and skips (every call gets one).
    ScreenRotation(SaverLineup& lineup, std::optional<unsigned> intervalMs, SaverStarter& starter,
                   const WorkSlice::Clock& clock);

    void Begin(std::uint64_t now);
    // The saver's window is on screen.
    void SaverShown(SaverId id, std::uint64_t now);
    // The saver's process ended, asked or by itself.
    void SaverEnded(SaverId id, std::uint64_t now);
    // Called often: goes on with a start the last slice left owing, starts the next saver when
    // the interval is over, asks the ones before the newest to end once it has settled, gives up
    // on a saver that never shows.
    void Tick(std::uint64_t now);

    State Current() const { return state_; }
    // The saver processes that run now, oldest first.
    std::vector<SaverId> Running() const;
    // Started, not asked to end, and its window not yet seen on screen.
    bool AwaitsWindow(SaverId id) const;
    // The newest saver not asked to end, once its window was seen: the one the user sees.
    std::optional<SaverId> OnScreen() const;

private:
    struct Slot {
        std::size_t entry = 0;
        SaverId id = 0;
        std::uint64_t startedAt = 0;
        std::optional<std::uint64_t> shownAt;
        bool asked = false;
    };

    bool StartNext(std::uint64_t now);
    void Ask(Slot& slot);
    Slot* Newest();
    const Slot* Newest() const;
    std::size_t Unasked() const;
    bool PlaysNow(std::size_t entry) const;
    void AfterLoss(std::uint64_t now);

    SaverLineup& lineup_;
    std::optional<unsigned> intervalMs_;
    SaverStarter& starter_;
    const WorkSlice::Clock& clock_;
    std::vector<Slot> slots_;  // oldest first
    State state_ = State::Playing;
    // A start is owed: it waits for a process to end, not to run three at once, or for the next
    // slice, its own used up on entries that could not start.
    bool startOwed_ = false;
    std::optional<std::uint64_t> nextChangeAt_;
};

}  // namespace vr
