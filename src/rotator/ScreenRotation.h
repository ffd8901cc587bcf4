#pragma once
// The full-screen rotation: which saver runs, when the next one starts, when the one before it
// is asked to end, and when everything ends. The next saver starts while the last still covers
// the screen, and the last is asked to end only once the next is on screen and has outlived
// the second in which a broken saver ends, so the desktop never shows between two and at most
// two savers run at once.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "rotator/SaverLineup.h"

namespace vr {

using SaverId = unsigned;

// Whether a move of the mouse by (dx, dy) pixels is the user's: a hand resting on the mouse moves
// it by a pixel or two, which is no wish to end.
bool HandMoved(int dx, int dy);

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
    // being asked, and without the user touching anything, is broken.
    static constexpr std::uint64_t kBrokenWithinMs = 1000;
    // A saver with no window on screen this long after its start is broken too.
    static constexpr std::uint64_t kShowsWithinMs = 10000;
    static constexpr std::size_t kMostAtOnce = 2;

    enum class State {
        Playing,
        NothingToPlay,  // no entry that exists and is not this program: cover the screen alone
        UserEnded,      // the user ended the saver on screen: end everything
        AllFailed,      // every entry left is broken
    };

    ScreenRotation(SaverLineup& lineup, std::optional<unsigned> intervalMs, SaverStarter& starter);

    void Begin(std::uint64_t now);
    // The saver's window is on screen.
    void SaverShown(SaverId id, std::uint64_t now);
    // The saver's process ended. userInput: the user's hand was seen since its start.
    void SaverEnded(SaverId id, std::uint64_t now, bool userInput);
    // Called often: starts the next saver when the interval is over, asks the ones before the
    // newest to end once it has settled, gives up on a saver that never shows.
    void Tick(std::uint64_t now);

    State Current() const { return state_; }
    bool Ended() const { return state_ != State::Playing; }
    // The saver processes that run now, oldest first.
    std::vector<SaverId> Running() const;
    // Started, not asked to end, and its window not yet seen on screen.
    bool AwaitsWindow(SaverId id) const;

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
    std::size_t Unasked() const;
    bool PlaysNow(std::size_t entry) const;
    void AfterLoss(std::uint64_t now);

    SaverLineup& lineup_;
    std::optional<unsigned> intervalMs_;
    SaverStarter& starter_;
    std::vector<Slot> slots_;  // oldest first
    State state_ = State::Playing;
    bool startWaiting_ = false;  // a start waits for a process to end, not to run three at once
    std::optional<std::uint64_t> nextChangeAt_;
};

}  // namespace vr
