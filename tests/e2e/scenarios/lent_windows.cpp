// A screensaver runs code of its own with the pane's handle, and may do to the player's windows
// whatever a process can. Whatever it did, once it is gone the player is in working order: the
// next preview plays in a pane of the host's size, every window answers and is enabled, and
// "config.cfg" keeps where the windows really stand.
#include <gtest/gtest.h>

#include "custody_support.h"
#include "lent_windows_support.h"

using namespace e2e;
using namespace e2e::bad;

namespace {

struct Thief {
    player::Windows windows;
    lent::HostPlace place;
};

// The player started on the misbehaving saver, then a calm one, once the first has done its deed.
Thief StartWith(Sandbox& sandbox, const Kind& kind) {
    const std::wstring bad = custody::CopySaver(sandbox, kind);
    const std::wstring calm = sandbox.CopyLogSaver(L"Calm");
    Thief thief;
    thief.windows = player::StartPlayer(sandbox, {}, {bad, calm});
    thief.place = lent::PlaceOf(thief.windows.host);
    custody::WaitUntilPlaying(sandbox, kind);
    return thief;
}

bool FirstRunEnded(const Sandbox& sandbox, const Kind& kind) {
    const auto runs = sandbox.SaverRuns(kind.misbehaviour);
    return !runs.empty() && runs[0].Ended();
}

}  // namespace

TEST(LentWindows, APaneTakenAwayIsMadeAnewAndTheNextPreviewPlaysInIt) {
    Sandbox sandbox;
    const Thief thief = StartWith(sandbox, kTakePane);
    ASSERT_EQ(sandbox.SaverRuns(kTakePane.misbehaviour)[0].other.at("taken"), L"pane");
    // The saver ends with the window it took the pane into.
    ASSERT_TRUE(WaitUntil([&] { return FirstRunEnded(sandbox, kTakePane); }));

    const player::Windows now = lent::ExpectWorking(sandbox, thief.windows, thief.place, 1, L"Calm", 1);
    EXPECT_EQ(now.host, thief.windows.host);
    EXPECT_NE(now.pane, thief.windows.pane);
    lent::ExpectClosedKeeping(sandbox, now, thief.place);
}

TEST(LentWindows, AHostWindowTakenAwayIsMadeAgainWhereItStood) {
    Sandbox sandbox;
    const Thief thief = StartWith(sandbox, kTakeHost);
    ASSERT_EQ(sandbox.SaverRuns(kTakeHost.misbehaviour)[0].other.at("taken"), L"host");
    ASSERT_TRUE(WaitUntil([&] { return !Exists(thief.windows.host); })) << "the saver never ended";

    const player::Windows now = lent::ExpectWorking(sandbox, thief.windows, thief.place, 1, L"Calm", 1);
    EXPECT_NE(now.host, thief.windows.host);
    EXPECT_EQ(Text(now.host), L"Calm");
    lent::ExpectClosedKeeping(sandbox, now, thief.place);
}
