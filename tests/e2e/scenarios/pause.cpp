// Nobody can see the preview behind another program's full-screen window above the host: none
// plays and the rotation holds until the window goes. One below the always-on-top host, or the
// preview's own, hides nothing.
#include <gtest/gtest.h>

#include "BadSaver.h"
#include "Monitors.h"
#include "Player.h"

using namespace e2e;

namespace {

// A window of this test process standing for a game or a video, in front of every other
// always-on-top window or, ordinary, of every window but those.
class CoveringWindow {
public:
    enum Layer : DWORD { Ordinary = 0, AlwaysOnTop = WS_EX_TOPMOST };

    CoveringWindow(RECT area, Layer layer) {
        window_ = CreateWindowExW(layer, L"Static", L"covering", WS_POPUP | WS_VISIBLE, area.left, area.top,
                                  area.right - area.left, area.bottom - area.top, nullptr, nullptr, nullptr,
                                  nullptr);
        SetForegroundWindow(window_);
    }
    CoveringWindow(const CoveringWindow&) = delete;
    CoveringWindow& operator=(const CoveringWindow&) = delete;
    ~CoveringWindow() { DestroyWindow(window_); }
    bool Front() const { return GetForegroundWindow() == window_; }

private:
    HWND window_;
};

RECT Screen() { return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

std::size_t Runs(Sandbox& sandbox, const wchar_t* saver) { return sandbox.SaverRuns(saver).size(); }

}  // namespace

TEST(Pause, AFullScreenWindowStopsThePreviewHoldsTheRotationAndItsEndPlaysOnWhereItHeld) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    const std::wstring b = sandbox.CopyLogSaver(L"B");
    player::Windows w = player::StartPlayer(sandbox, {}, {a, b});
    player::WaitForPreviewRun(sandbox, L"A", 1);

    {
        // Half the screen is no full-screen window: the preview plays on.
        RECT half = Screen();
        half.right /= 2;
        CoveringWindow partly(half, CoveringWindow::AlwaysOnTop);
        ASSERT_TRUE(WaitUntil([&] { return partly.Front(); }));
        Sleep(1500);
        EXPECT_FALSE(sandbox.SaverRuns(L"A").back().Ended());
    }
    {
        // A video full screen, in front but under the always-on-top host: the pane is in view.
        CoveringWindow below(Screen(), CoveringWindow::Ordinary);
        ASSERT_TRUE(WaitUntil([&] { return below.Front(); }));
        Sleep(1500);
        EXPECT_EQ(Runs(sandbox, L"A"), 1u);
        EXPECT_FALSE(sandbox.SaverRuns(L"A").back().Ended());
    }

    SelectComboItem(w.timeCombo, 1);  // "Change every 3 Sec." from now on
    {
        CoveringWindow whole(Screen(), CoveringWindow::AlwaysOnTop);
        ASSERT_TRUE(WaitUntil([&] { return whole.Front(); }));
        EXPECT_EQ(WaitForEndedSaverRuns(sandbox.LogOf(L"A"), 1, std::chrono::milliseconds(2500)).size(), 1u);
        // Longer than a rotation step: nothing starts, and the rotation stays on the first entry.
        Sleep(4000);
        EXPECT_EQ(Runs(sandbox, L"A"), 1u);
        EXPECT_EQ(Runs(sandbox, L"B"), 0u);
        EXPECT_EQ(ListSelection(w.list), 0);
    }
    // Seen again: the current screensaver plays at once, and the rotation goes on from there.
    player::WaitForPreviewRun(sandbox, L"A", 2);
    EXPECT_EQ(Runs(sandbox, L"B"), 0u);
    player::WaitForPreviewRun(sandbox, L"B", 1);
    EXPECT_EQ(ListSelection(w.list), 1);
}

// Only the host's own monitor counts: a game on the other one hides nothing of the preview.
TEST(TwoMonitorsPause, AFullScreenWindowOverTheOtherMonitorLeavesThePreviewPlayingOneOverItsOwnStopsIt) {
    const TwoMonitors monitors = ListTwoMonitors();
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    player::Windows w = player::StartPlayer(sandbox, {}, {a});
    player::WaitForPreviewRun(sandbox, L"A", 1);
    ASSERT_TRUE(SameRect(MonitorOf(w.host), monitors.primary));
    {
        CoveringWindow other(monitors.second, CoveringWindow::AlwaysOnTop);
        ASSERT_TRUE(WaitUntil([&] { return other.Front(); }));
        Sleep(1500);
        EXPECT_EQ(Runs(sandbox, L"A"), 1u);
        EXPECT_FALSE(sandbox.SaverRuns(L"A").back().Ended());
    }
    {
        CoveringWindow own(monitors.primary, CoveringWindow::AlwaysOnTop);
        ASSERT_TRUE(WaitUntil([&] { return own.Front(); }));
        EXPECT_EQ(WaitForEndedSaverRuns(sandbox.LogOf(L"A"), 1, std::chrono::milliseconds(2500)).size(), 1u);
    }
    player::WaitForPreviewRun(sandbox, L"A", 2);
}

// A screensaver that shows a full-screen window of its own over the pane is not stopped for it,
// which would only start it again and again.
TEST(Pause, APreviewsOwnFullScreenWindowHidesNothing) {
    Sandbox sandbox;
    const std::wstring saver =
        sandbox.CopyBadSaver(bad::kOwnFullScreen.misbehaviour, bad::kOwnFullScreen.misbehaviour);
    player::StartPlayer(sandbox, {}, {saver});
    player::WaitForPreviewRun(sandbox, bad::kOwnFullScreen.misbehaviour, 1);
    ASSERT_TRUE(WaitUntil([&] {
        return bad::Misbehaving(sandbox.SaverRuns(bad::kOwnFullScreen.misbehaviour).back(),
                                bad::kOwnFullScreen);
    }));
    // Several looks over the monitor later it still plays, the first and only run.
    Sleep(2000);
    const std::vector<SaverRun> runs = sandbox.SaverRuns(bad::kOwnFullScreen.misbehaviour);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_FALSE(runs.back().Ended());
}
