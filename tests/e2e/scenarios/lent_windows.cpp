// A screensaver runs code of its own with the pane's handle, and may do to the player's windows
// whatever a process can. Whatever it did, once it is gone the player is in working order: the
// next preview plays in a pane of the host's size, every window answers and is enabled, and
// "config.cfg" keeps where the windows really stand.
#include <gtest/gtest.h>

#include "custody_support.h"
#include "lent_windows_support.h"
#include "playlist/PlaylistWindowIds.h"

using namespace e2e;
using namespace e2e::bad;

namespace {

constexpr int kSize320x240 = 2;               // the size choice's item
constexpr auto kHungPreviewEndsWithin = 20s;  // 5 s unanswered, on a busy machine
constexpr auto kRepairedWithin = 3s;          // the player looks every 250 ms; the rest is for a busy machine

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

// No preview locks the player: the windows are enabled again while it plays on.
TEST(LentWindows, WindowsAPreviewDisabledAreEnabledAgainWhileItPlaysOn) {
    Sandbox sandbox;
    const Thief thief = StartWith(sandbox, kDisable);
    // The application window, the bar, the host, the playlist and About windows.
    ASSERT_GE(std::stoi(sandbox.SaverRuns(kDisable.misbehaviour)[0].other.at("disabled")), 5);
    EXPECT_TRUE(WaitUntil([&] { return IsEnabled(thief.windows.bar); }, kRepairedWithin));
    EXPECT_FALSE(sandbox.SaverRuns(kDisable.misbehaviour)[0].Ended());

    const player::Windows now = lent::ExpectWorking(sandbox, thief.windows, thief.place, 1, L"Calm", 1);
    lent::ExpectClosedKeeping(sandbox, now, thief.place);
}

// "Configure..." runs the settings of the current screensaver while its preview plays on.
TEST(LentWindows, WindowsASettingsRunLeftDisabledAreEnabledOnceItsProcessEnds) {
    Sandbox sandbox;
    const Thief thief = StartWith(sandbox, kDisableSettings);
    PostClick(FindControl(thief.windows.playlist, vr::PlaylistWindowId::Button6));
    ASSERT_TRUE(WaitUntil([&] {
        const auto runs = sandbox.SaverRuns(kDisableSettings.misbehaviour);
        return runs.size() == 2 && runs[1].mode == L"configure" && runs[1].Logged("crash");
    })) << "the settings run never disabled the windows and crashed";
    EXPECT_TRUE(sandbox.SaverRuns(kDisableSettings.misbehaviour)[1].Logged("disabled"));

    const player::Windows now = lent::ExpectWorking(sandbox, thief.windows, thief.place, 1, L"Calm", 1);
    lent::ExpectClosedKeeping(sandbox, now, thief.place);
}

TEST(LentWindows, APreviewThatHangsWhilePlayingIsEndedAndStaysGreenUntilAnotherStartIsAskedFor) {
    Sandbox sandbox;
    const Thief thief = StartWith(sandbox, kHang);
    const Process hung = custody::Hold(sandbox.SaverRuns(kHang.misbehaviour)[0].processId);
    EXPECT_TRUE(hung.WaitForExit(kHungPreviewEndsWithin).has_value()) << "the hung preview plays on";
    EXPECT_TRUE(WaitUntil([&] { return Descendants(thief.windows.pane).empty(); }))
        << "the pane is not green";

    // A new size starts the current screensaver again, but not one that hung: the pane stays green.
    SelectComboItem(thief.windows.sizeCombo, kSize320x240);
    ASSERT_TRUE(WaitUntil([&] { return ComboItems(thief.windows.sizeCombo).at(0) == L"320 x 240"; }));
    EXPECT_EQ(sandbox.SaverRuns(kHang.misbehaviour).size(), 1u);
    EXPECT_TRUE(Descendants(thief.windows.pane).empty());

    const lent::HostPlace resized{thief.place.position, {320, 240}};
    const player::Windows now = lent::ExpectWorking(sandbox, thief.windows, resized, 1, L"Calm", 1);
    lent::ExpectClosedKeeping(sandbox, now, resized);
}

// A preview that hides the host and resizes it all the time neither hides it for good, nor
// changes the size that is saved, nor holds back its own stop: the next selection plays.
TEST(LentWindows, APreviewThatHidesAndResizesTheHostIsUndoneAndStoppedByTheNextSelection) {
    Sandbox sandbox;
    const Thief thief = StartWith(sandbox, kShakeHost);
    EXPECT_TRUE(WaitUntil([&] { return IsShown(thief.windows.host); }, kRepairedWithin));
    const player::Windows now = lent::ExpectWorking(sandbox, thief.windows, thief.place, 1, L"Calm", 1);
    EXPECT_EQ(WaitForEndedSaverRuns(sandbox.LogOf(kShakeHost.misbehaviour), 1, kRepairedWithin).size(), 1u);
    lent::ExpectClosedKeeping(sandbox, now, thief.place);
}
