// Veilrunner.scr /s on two monitors: a window of its own over each, a different entry playing in
// each as a preview, all changing together, and a real key ending everything; or, chosen so, one
// entry's own full screen across them.
#include <gtest/gtest.h>

#include <map>

#include "Monitors.h"
#include "custody_support.h"

using namespace e2e;

namespace {

constexpr int kEvery3Seconds = 1;
constexpr unsigned kLongFullScreenMs = 120000;  // log savers end only when asked or touched
constexpr auto kWatchFor = std::chrono::seconds(7);

// A shown window of the rotator's over the whole monitor.
bool Covered(DWORD rotator, const RECT& monitor) {
    for (HWND window : TopWindows(rotator)) {
        RECT r = WindowRect(window), both{};
        if (IsShown(window) && IntersectRect(&both, &r, &monitor) && SameRect(both, monitor)) return true;
    }
    return false;
}

// Entries playing now in a window of each monitor's size, one name per size.
std::map<std::wstring, std::wstring> PlayingBySize(const Sandbox& sandbox,
                                                   const std::vector<std::wstring>& names) {
    std::map<std::wstring, std::wstring> playing;
    for (const std::wstring& name : names)
        for (const SaverRun& run : sandbox.SaverRuns(name))
            if (run.Started() && !run.Ended() && run.mode == L"preview") playing[run.parentSize] = name;
    return playing;
}

}  // namespace

TEST(TwoMonitorsPlaylistSaver, EveryMonitorPlaysAnEntryOfItsOwnAllChangeTogetherAKeyEndsAllOrOnePlaysAcross) {
    const TwoMonitors monitors = ListTwoMonitors();
    Sandbox sandbox;
    const std::vector<std::wstring> names{L"A", L"B", L"C"};
    std::vector<std::wstring> entries;
    for (const std::wstring& name : names) entries.push_back(sandbox.CopyLogSaver(name, kLongFullScreenMs));
    player::Settings settings;
    settings.interval = kEvery3Seconds;
    player::WriteSavedFiles(sandbox, settings, entries);
    const std::wstring self = sandbox.CopyPlaylistSaver();
    Process& rotator = sandbox.Start(self, L"/s");
    ASSERT_TRUE(WaitUntil(
        [&] { return Covered(rotator.Id(), monitors.primary) && Covered(rotator.Id(), monitors.second); }));

    int uncovered = 0;
    bool twoAtOnce = false;
    const auto end = std::chrono::steady_clock::now() + kWatchFor;
    while (std::chrono::steady_clock::now() < end) {
        for (const RECT& monitor : {monitors.primary, monitors.second})
            if (!Covered(rotator.Id(), monitor)) ++uncovered;
        const auto playing = PlayingBySize(sandbox, names);
        const auto large = playing.find(L"1024x768"), small = playing.find(L"800x600");
        twoAtOnce =
            twoAtOnce || (large != playing.end() && small != playing.end() && large->second != small->second);
        Sleep(50);
    }
    EXPECT_EQ(uncovered, 0) << "samples with a monitor not covered by the rotator's window";
    EXPECT_TRUE(twoAtOnce) << "never two entries at once, one in each monitor's window";
    std::size_t runs = 0;
    for (const std::wstring& name : names) runs += sandbox.SaverRuns(name).size();
    EXPECT_GE(runs, 4u) << "both monitors should have changed at least once";

    Xdotool(L"key space");
    EXPECT_TRUE(rotator.WaitForExit(std::chrono::seconds(10))) << "a key did not end the rotator";
    const auto left = custody::ProcessesLeft(sandbox);
    EXPECT_TRUE(left.empty()) << custody::Describe(left);

    // "One screensaver across all monitors" chosen in the player: the current entry alone
    // ("Change manually") in its own full screen, the rotator's backdrop over whatever it leaves.
    player::Settings oneAcross;
    oneAcross.dpi = 96;
    oneAcross.oneSaverAcrossMonitors = true;
    player::WriteSavedFiles(sandbox, oneAcross, entries, entries[1]);
    const std::size_t runsOfA = sandbox.SaverRuns(L"A").size(), runsOfB = sandbox.SaverRuns(L"B").size();
    Process& across = sandbox.Start(self, L"/s");
    const std::vector<SaverRun> ofB = WaitForSaverRuns(sandbox.LogOf(L"B"), runsOfB + 1);
    ASSERT_EQ(ofB.size(), runsOfB + 1);
    EXPECT_EQ(ofB.back().mode, L"fullscreen");
    EXPECT_EQ(sandbox.SaverRuns(L"A").size(), runsOfA) << "another entry plays on the other monitor";
    EXPECT_TRUE(Covered(across.Id(), monitors.primary) && Covered(across.Id(), monitors.second));
    Xdotool(L"key space");
    EXPECT_TRUE(across.WaitForExit(std::chrono::seconds(10))) << "a key did not end the rotator";
}
