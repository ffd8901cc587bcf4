#include "rotator/ScreenRotation.h"

#include <algorithm>

namespace vr {

ScreenRotation::ScreenRotation(SaverLineup& lineup, std::optional<unsigned> intervalMs, SaverStarter& starter,
                               const WorkSlice::Clock& clock)
    : lineup_(lineup), intervalMs_(intervalMs), starter_(starter), clock_(clock) {}

void ScreenRotation::Begin(std::uint64_t now) {
    if (!StartNext(now)) state_ = State::NothingLeft;
}

// Starts the upcoming entry, unless it is the one playing; false when no entry is left at all.
bool ScreenRotation::StartNext(std::uint64_t now) {
    const WorkSlice slice(clock_);
    for (;;) {
        const auto index = lineup_.Upcoming(slice);
        if (!index) {
            startOwed_ = lineup_.Searching();
            return startOwed_;
        }
        if (PlaysNow(*index)) return true;
        if (Running().size() >= kMostAtOnce) {
            startOwed_ = true;
            return true;
        }
        lineup_.Take(*index);
        if (const auto id = starter_.Start(lineup_.PathOf(*index))) {
            slots_.push_back({*index, *id, now, std::nullopt, false});
            return true;
        }
        lineup_.MarkBroken(*index);
        if (slice.Over()) {
            startOwed_ = true;
            return true;
        }
    }
}

void ScreenRotation::Ask(Slot& slot) {
    slot.asked = true;
    starter_.AskToEnd(slot.id);
}

ScreenRotation::Slot* ScreenRotation::Newest() {
    return const_cast<Slot*>(static_cast<const ScreenRotation*>(this)->Newest());
}

const ScreenRotation::Slot* ScreenRotation::Newest() const {
    const auto it = std::find_if(slots_.rbegin(), slots_.rend(), [](const Slot& s) { return !s.asked; });
    return it == slots_.rend() ? nullptr : &*it;
}

std::size_t ScreenRotation::Unasked() const {
    return static_cast<std::size_t>(
        std::count_if(slots_.begin(), slots_.end(), [](const Slot& s) { return !s.asked; }));
}

bool ScreenRotation::PlaysNow(std::size_t entry) const {
    return std::any_of(slots_.begin(), slots_.end(),
                       [entry](const Slot& s) { return !s.asked && s.entry == entry; });
}

// The newest saver is gone: the next one takes its place at once.
void ScreenRotation::AfterLoss(std::uint64_t now) {
    if (!StartNext(now) && Unasked() == 0 && !startOwed_) state_ = State::NothingLeft;
}

void ScreenRotation::SaverShown(SaverId id, std::uint64_t now) {
    Slot* newest = Newest();
    for (Slot& slot : slots_) {
        if (slot.id != id || slot.shownAt) continue;
        slot.shownAt = now;
        if (&slot == newest && intervalMs_) nextChangeAt_ = now + *intervalMs_;
    }
}

void ScreenRotation::SaverEnded(SaverId id, std::uint64_t now) {
    const auto it = std::find_if(slots_.begin(), slots_.end(), [id](const Slot& s) { return s.id == id; });
    if (it == slots_.end()) return;
    const bool wasNewest = &*it == Newest();
    const Slot slot = *it;
    slots_.erase(it);
    if (slot.asked || state_ != State::Playing) return;
    // Counted from its window: a process takes its time to start on a busy machine.
    if (!slot.shownAt || now - *slot.shownAt < kBrokenWithinMs) lineup_.MarkBroken(slot.entry);
    // An older saver that went by itself, as some do when the next one takes the foreground,
    // leaves the newest playing.
    if (wasNewest) AfterLoss(now);
}

void ScreenRotation::Tick(std::uint64_t now) {
    if (state_ != State::Playing) return;
    Slot* newest = Newest();
    if (newest && !newest->shownAt && now - newest->startedAt >= kShowsWithinMs) {
        lineup_.MarkBroken(newest->entry);
        Ask(*newest);
        AfterLoss(now);
        return;
    }
    if (startOwed_ && Running().size() < kMostAtOnce) {
        startOwed_ = false;
        AfterLoss(now);
        return;
    }
    if (!newest || !newest->shownAt) return;
    if (now - *newest->shownAt >= kBrokenWithinMs) {
        for (Slot& slot : slots_)
            if (&slot != newest && !slot.asked) Ask(slot);
    }
    if (nextChangeAt_ && now >= *nextChangeAt_ && Unasked() == 1 && !startOwed_) {
        // Counted again from now: when the newest is the only entry left, it plays on.
        nextChangeAt_ = now + *intervalMs_;
        StartNext(now);
    }
}

std::vector<SaverId> ScreenRotation::Running() const {
    std::vector<SaverId> ids;
    for (const Slot& slot : slots_) ids.push_back(slot.id);
    return ids;
}

std::optional<SaverId> ScreenRotation::OnScreen() const {
    const Slot* newest = Newest();
    if (!newest || !newest->shownAt) return std::nullopt;
    return newest->id;
}

bool ScreenRotation::AwaitsWindow(SaverId id) const {
    return std::any_of(slots_.begin(), slots_.end(),
                       [id](const Slot& s) { return s.id == id && !s.asked && !s.shownAt; });
}

}  // namespace vr
