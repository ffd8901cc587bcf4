// Nobody can see the preview behind another program's full-screen window: none plays and the
// rotation holds until the window goes.
#include <gtest/gtest.h>

#include "Player.h"

using namespace e2e;

namespace {

// A window of this test process standing for a game or a video in front of everything.
class CoveringWindow {
public:
    explicit CoveringWindow(RECT area) {
        window_ = CreateWindowExW(WS_EX_TOPMOST, L"Static", L"covering", WS_POPUP | WS_VISIBLE, area.left,
                                  area.top, area.right - area.left, area.bottom - area.top, nullptr, nullptr,
                                  nullptr, nullptr);
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
        CoveringWindow partly(half);
        ASSERT_TRUE(WaitUntil([&] { return partly.Front(); }));
        Sleep(1500);
        EXPECT_FALSE(sandbox.SaverRuns(L"A").back().Ended());
    }

    SelectComboItem(w.timeCombo, 1);  // "Change every 3 Sec." from now on
    {
        CoveringWindow whole(Screen());
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
