#include "rotator/ScreenRotation.h"

#include <algorithm>
#include <cstdlib>

namespace vr {

bool HandMoved(int dx, int dy) {
    constexpr int kSlack = 4;
    return std::abs(dx) > kSlack || std::abs(dy) > kSlack;
}

ScreenRotation::ScreenRotation(SaverLineup& lineup, std::optional<unsigned> intervalMs, SaverStarter& starter)
    : lineup_(lineup), intervalMs_(intervalMs), starter_(starter) {}

void ScreenRotation::Begin(std::uint64_t now) {
    if (!lineup_.Upcoming()) {
        state_ = State::NothingToPlay;
        return;
    }
    if (!StartNext(now)) state_ = State::AllFailed;
}

// Starts the upcoming entry, unless it is the one playing; false when no entry is left at all.
bool ScreenRotation::StartNext(std::uint64_t now) {
    while (const auto index = lineup_.Upcoming()) {
        if (PlaysNow(*index)) return true;
        if (Running().size() >= kMostAtOnce) {
            startWaiting_ = true;
            return true;
        }
        lineup_.Take(*index);
        if (const auto id = starter_.Start(lineup_.PathOf(*index))) {
            slots_.push_back({*index, *id, now, std::nullopt, false});
            return true;
        }
        lineup_.MarkBroken(*index);
    }
    return false;
}

void ScreenRotation::Ask(Slot& slot) {
    slot.asked = true;
    starter_.AskToEnd(slot.id);
}

ScreenRotation::Slot* ScreenRotation::Newest() {
    const auto it = std::find_if(slots_.rbegin(), slots_.rend(), [](const Slot& s) { return !s.asked; });
    return it == slots_.rend() ? nullptr : &*it;
}

std::size_t ScreenRotation::Unasked() const {
    return static_cast<std::size_t>(std::count_if(slots_.begin(), slots_.end(), [](const Slot& s) { return !s.asked; }));
}

bool ScreenRotation::PlaysNow(std::size_t entry) const {
    return std::any_of(slots_.begin(), slots_.end(), [entry](const Slot& s) { return !s.asked && s.entry == entry; });
}

// The newest saver is gone before it settled: the next one takes its place at once.
void ScreenRotation::AfterLoss(std::uint64_t now) {
    if (!StartNext(now) && Unasked() == 0 && !startWaiting_) state_ = State::AllFailed;
}

void ScreenRotation::SaverShown(SaverId id, std::uint64_t now) {
    Slot* newest = Newest();
    for (Slot& slot : slots_) {
        if (slot.id != id || slot.shownAt) continue;
        slot.shownAt = now;
        if (&slot == newest && intervalMs_) nextChangeAt_ = now + *intervalMs_;
    }
}

void ScreenRotation::SaverEnded(SaverId id, std::uint64_t now, bool userInput) {
    const auto it = std::find_if(slots_.begin(), slots_.end(), [id](const Slot& s) { return s.id == id; });
    if (it == slots_.end()) return;
    const bool wasNewest = &*it == Newest();
    const Slot slot = *it;
    slots_.erase(it);
    if (slot.asked || state_ != State::Playing) return;
    // Counted from its window: a process takes its time to start on a busy machine.
    const bool broken = !userInput && (!slot.shownAt || now - *slot.shownAt < kBrokenWithinMs);
    if (broken) {
        lineup_.MarkBroken(slot.entry);
        if (wasNewest) AfterLoss(now);
        return;
    }
    // An older saver that went by itself, as some do when the next one takes the foreground,
    // leaves the newest playing; the one on screen ended by the user ends everything.
    if (wasNewest || userInput) state_ = State::UserEnded;
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
    if (startWaiting_ && Running().size() < kMostAtOnce) {
        startWaiting_ = false;
        AfterLoss(now);
        return;
    }
    if (!newest || !newest->shownAt) return;
    if (now - *newest->shownAt >= kBrokenWithinMs) {
        for (Slot& slot : slots_)
            if (&slot != newest && !slot.asked) Ask(slot);
    }
    if (nextChangeAt_ && now >= *nextChangeAt_ && Unasked() == 1 && !startWaiting_) {
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

bool ScreenRotation::AwaitsWindow(SaverId id) const {
    return std::any_of(slots_.begin(), slots_.end(),
                       [id](const Slot& s) { return s.id == id && !s.asked && !s.shownAt; });
}

}  // namespace vr
