#include <gtest/gtest.h>

#include <map>
#include <set>

#include "rotator/ScreenRotation.h"

namespace vr {
namespace {

class FakeProbe : public EntryProbe {
public:
    std::set<std::string> copies, gone;
    std::uint64_t* now = nullptr;
    std::uint64_t msPerLook = 0;  // what a look at a file costs the rotator's thread
    bool Exists(const std::string& path) override { return (*now += msPerLook, gone.count(path) == 0); }
    bool IsThisProgram(const std::string& path) override { return copies.count(path) != 0; }
};

// Savers as processes: started ones run until the rotation's world ends them.
class FakeStarter : public SaverStarter {
public:
    std::set<std::string> wontStart;
    std::vector<std::string> started;  // paths, in order
    std::map<SaverId, std::string> pathOf;
    std::set<SaverId> asked;
    SaverId nextId = 1;
    std::uint64_t* now = nullptr;
    std::uint64_t msPerStart = 0;  // what a start, failed or not, costs the rotator's thread

    std::optional<SaverId> Start(const std::string& path) override {
        *now += msPerStart;
        if (wontStart.count(path) != 0) return std::nullopt;
        started.push_back(path);
        pathOf[nextId] = path;
        return nextId++;
    }
    void AskToEnd(SaverId id) override { asked.insert(id); }
};

struct World {
    FakeProbe probe;
    FakeStarter starter;
    RotatorPlan plan;
    std::unique_ptr<SaverLineup> lineup;
    std::unique_ptr<ScreenRotation> rotation;
    std::uint64_t now = 100000;
    const WorkSlice::Clock clock = [this] { return now; };
    std::set<SaverId> shown;

    World(std::vector<std::string> entries, std::optional<unsigned> interval) {
        plan.entries = std::move(entries);
        plan.intervalMs = interval;
        starter.now = probe.now = &now;
        lineup = std::make_unique<SaverLineup>(plan, probe);
        rotation = std::make_unique<ScreenRotation>(*lineup, interval, starter, clock);
    }

    // Every saver asked to end does so at the next look; every other one shows its window then.
    void Step() {
        now += 50;
        for (SaverId id : rotation->Running()) {
            if (starter.asked.count(id) != 0) {
                rotation->SaverEnded(id, now);
            } else if (rotation->AwaitsWindow(id) && shown.insert(id).second) {
                rotation->SaverShown(id, now);
            }
        }
        rotation->Tick(now);
        CheckInvariants();
    }
    void Run(std::uint64_t ms) {
        for (std::uint64_t t = 0; t < ms; t += 50) Step();
    }
    // Runs until `count` savers were started; returns how long that took.
    std::uint64_t RunUntilStarted(std::size_t count) {
        const std::uint64_t from = now;
        while (starter.started.size() < count && now - from < 60000) Step();
        return now - from;
    }
    void CheckInvariants() const {
        ASSERT_LE(rotation->Running().size(), ScreenRotation::kMostAtOnce);
        if (rotation->Current() != ScreenRotation::State::Playing) return;
        // Once the first saver showed, one not asked to end is always there to cover the screen.
        if (!shown.empty()) {
            bool covering = false;
            for (SaverId id : rotation->Running())
                covering = covering || (starter.asked.count(id) == 0 && shown.count(id) != 0);
            ASSERT_TRUE(covering);
        }
    }
    SaverId Newest() const { return rotation->Running().back(); }
};

using Paths = std::vector<std::string>;

TEST(ScreenRotation, PlaysInOrderAndAsksTheLastToEndOnlyOnceTheNextHasSettled) {
    World w({"A.scr", "B.scr", "C.scr"}, 3000);
    w.rotation->Begin(w.now);
    EXPECT_EQ(w.RunUntilStarted(2), 3050u) << "an interval after the first showed";
    EXPECT_TRUE(w.starter.asked.empty());
    w.Run(900);
    EXPECT_TRUE(w.starter.asked.empty()) << "the last plays on through the next one's first second";
    w.Run(150);
    EXPECT_EQ(w.starter.asked, std::set<SaverId>{1});
    w.RunUntilStarted(5);
    EXPECT_EQ(w.starter.started, (Paths{"A.scr", "B.scr", "C.scr", "A.scr", "B.scr"}));
    w.Run(2000);
    EXPECT_EQ(w.rotation->Current(), ScreenRotation::State::Playing);

    // The one on screen ends by itself after it played a while: the next plays at once, and the
    // one that ended is tried again in its turn.
    const std::size_t before = w.starter.started.size();
    w.rotation->SaverEnded(w.Newest(), w.now);
    EXPECT_EQ(w.starter.started.size(), before + 1);
    EXPECT_EQ(w.rotation->Current(), ScreenRotation::State::Playing);
    w.RunUntilStarted(before + 4);
    EXPECT_EQ(w.starter.started[before + 3], w.starter.started[before]);
}

TEST(ScreenRotation, SkipsSaversThatEndAtOnceOrNeverShowAndEndsWhenAllFail) {
    World w({"A.scr", "Broken.scr", "Silent.scr", "Veilrunner.scr", "NoStart.scr", "B.scr"}, 3000);
    w.probe.copies = {"Veilrunner.scr"};
    w.starter.wontStart = {"NoStart.scr"};
    w.rotation->Begin(w.now);
    w.RunUntilStarted(2);
    // Ends by itself within its first second, nobody touching anything: the next starts at once
    // while A still covers the screen.
    w.Step();
    w.rotation->SaverEnded(w.Newest(), w.now);
    EXPECT_EQ(w.starter.started, (Paths{"A.scr", "Broken.scr", "Silent.scr"}));
    EXPECT_TRUE(w.starter.asked.empty());
    // Silent never shows a window: given up on, and B comes, past this program and the one that
    // does not start.
    w.shown.insert(w.Newest());
    EXPECT_GE(w.RunUntilStarted(4), ScreenRotation::kShowsWithinMs);
    EXPECT_EQ(w.starter.started, (Paths{"A.scr", "Broken.scr", "Silent.scr", "B.scr"}));
    w.RunUntilStarted(6);
    EXPECT_EQ(w.starter.started[4], "A.scr") << "the broken ones are not tried again";
    EXPECT_EQ(w.starter.started[5], "B.scr");

    World failing({"X.scr", "Y.scr"}, 3000);
    failing.rotation->Begin(failing.now);
    failing.rotation->SaverEnded(failing.Newest(), failing.now + 10);
    EXPECT_EQ(failing.starter.started, (Paths{"X.scr", "Y.scr"}));
    failing.rotation->SaverEnded(failing.Newest(), failing.now + 20);
    EXPECT_EQ(failing.rotation->Current(), ScreenRotation::State::NothingLeft);
}

TEST(ScreenRotation, AnOlderSaverEndingByItselfLeavesTheNewestPlaying) {
    World w({"A.scr", "B.scr"}, 3000);
    w.rotation->Begin(w.now);
    w.RunUntilStarted(2);
    w.Step();
    ASSERT_EQ(w.rotation->Running().size(), 2u);
    // A ends as B takes the foreground, before it was asked.
    w.rotation->SaverEnded(w.rotation->Running().front(), w.now);
    EXPECT_EQ(w.rotation->Current(), ScreenRotation::State::Playing);
    w.RunUntilStarted(3);
    EXPECT_EQ(w.starter.started, (Paths{"A.scr", "B.scr", "A.scr"}));
}

TEST(ScreenRotation, OneEntryOrChangeManuallyPlaysOnAndNothingPlayableCoversAlone) {
    World single({"A.scr", "Veilrunner.scr"}, 3000);
    single.probe.copies = {"Veilrunner.scr"};
    single.rotation->Begin(single.now);
    single.Run(10000);
    EXPECT_EQ(single.starter.started, Paths{"A.scr"});

    World manual({"A.scr", "B.scr"}, std::nullopt);
    manual.rotation->Begin(manual.now);
    manual.Run(10000);
    EXPECT_EQ(manual.starter.started, Paths{"A.scr"});

    World nothing({"Veilrunner.scr"}, 3000);
    nothing.probe.copies = {"Veilrunner.scr"};
    nothing.rotation->Begin(nothing.now);
    EXPECT_EQ(nothing.rotation->Current(), ScreenRotation::State::NothingLeft);
    World empty({}, 3000);
    empty.rotation->Begin(empty.now);
    EXPECT_EQ(empty.rotation->Current(), ScreenRotation::State::NothingLeft);
    EXPECT_TRUE(empty.starter.started.empty());

    World unstartable({"NoStart.scr"}, 3000);
    unstartable.starter.wontStart = {"NoStart.scr"};
    unstartable.rotation->Begin(unstartable.now);
    EXPECT_EQ(unstartable.rotation->Current(), ScreenRotation::State::NothingLeft);
}

// 50,000 entries that are gone, each look costing the thread 1 ms, then 50,000 that cannot start,
// each start costing it 3 ms: no call holds it more than 50 ms, and the good entry at the end plays.
TEST(ScreenRotation, LooksAndStartsInSlicesThatLeaveTheThreadFreeForInput) {
    std::vector<std::string> entries;
    for (int i = 0; i < 100000; ++i) entries.push_back((i < 50000 ? "gone" : "broken") + std::to_string(i));
    entries.push_back("good.scr");
    World w(entries, 3000);
    w.probe.gone = {entries.begin(), entries.begin() + 50000};
    w.starter.wontStart = {entries.begin() + 50000, entries.end() - 1};
    w.probe.msPerLook = 1;
    w.starter.msPerStart = 3;
    auto timed = [&](auto&& call) {
        const std::uint64_t from = w.now;
        call();
        EXPECT_LE(w.now - from, 50u);
    };
    timed([&] { w.rotation->Begin(w.now); });
    while (w.starter.started.empty() && w.now < 10'000'000) {
        w.now += 50;
        timed([&] { w.rotation->Tick(w.now); });
    }
    EXPECT_EQ(w.starter.started, Paths{"good.scr"});
    EXPECT_EQ(w.rotation->Current(), ScreenRotation::State::Playing);
}

}  // namespace
}  // namespace vr
