#include <gtest/gtest.h>

#include <optional>
#include <set>

#include "rotator/ForegroundHandOver.h"

namespace vr {
namespace {

// Windows' rules for the foreground, as documented for SetForegroundWindow and
// AllowSetForegroundWindow: a process may take it when it holds it, when nobody does, or when
// the one that holds it allowed it to; it may allow another only when it could take it itself.
// Holders: the rotator (its backdrop), a saver by its id, or another program.
struct FakeWindows final : ForegroundSystem {
    static constexpr SaverId kRotator = 0;
    static constexpr SaverId kOther = 1000;
    std::optional<SaverId> holder = kRotator;  // none after its window went
    std::set<SaverId> allowed;

    bool MayTake(SaverId process) const { return !holder || holder == process || allowed.contains(process); }
    // The foreground process sets any window in front: it moves the foreground on.
    bool Move(bool may, SaverId to) {
        if (may) holder = to, allowed.clear();
        return may;
    }
    bool Take(SaverId process) { return Move(MayTake(process), process); }

    Holder Foreground() override {
        if (holder == kRotator) return Holder::Backdrop;
        return holder && holder != kOther ? Holder::Saver : Holder::Else;
    }
    bool Allow(SaverId saver) override { return MayTake(kRotator) && allowed.insert(saver).second; }
    bool TakeForBackdrop() override { return Take(kRotator); }
    bool GiveTo(SaverId saver) override { return Move(holder == kRotator, saver); }
};

TEST(ForegroundHandOver, TheForegroundIsAlwaysTheBackdropsOrTheSaverOnScreens) {
    FakeWindows windows;
    ForegroundHandOver handOver(windows);

    // The first saver was allowed before it ran, and its window takes the foreground itself.
    handOver.BeforeResume(1);
    EXPECT_TRUE(windows.Take(1));
    handOver.Look(1);
    EXPECT_EQ(windows.holder, 1u);

    // The next starts while the first holds it: the rotator may not allow it, the first keeps it.
    handOver.BeforeResume(2);
    EXPECT_FALSE(windows.Take(2));
    handOver.Look(2);
    EXPECT_EQ(windows.holder, 1u);
    // The first goes: the backdrop takes the foreground and gives it to the one on screen.
    windows.holder.reset();
    handOver.Look(2);
    EXPECT_EQ(windows.holder, 2u);

    // The one on screen ends by itself and the backdrop covers alone until the next shows.
    windows.holder.reset();
    handOver.Look(std::nullopt);
    EXPECT_EQ(windows.holder, FakeWindows::kRotator);
    handOver.BeforeResume(3);
    EXPECT_TRUE(windows.Take(3)) << "allowed by the backdrop's holder";

    // Each saver is given it once: one that gives it back (refusing activation) is not pressed again.
    windows.holder.reset();
    handOver.Look(3);
    EXPECT_EQ(windows.holder, 3u);
    windows.holder = FakeWindows::kRotator;
    handOver.Look(3);
    EXPECT_EQ(windows.holder, FakeWindows::kRotator);

    // Another program that holds it keeps it: the rotator has no right to take it.
    windows.holder = FakeWindows::kOther;
    handOver.Look(3);
    EXPECT_EQ(windows.holder, FakeWindows::kOther);
}

}  // namespace
}  // namespace vr
