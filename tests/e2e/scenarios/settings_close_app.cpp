// An installer or an update closing the player through the Restart Manager: the session goes on,
// so the player must save and go by itself.
#include <gtest/gtest.h>

#include "Player.h"

using namespace e2e;

TEST(Settings, ClosedForAnUpdateThePlayerSavesAndEnds) {
    Sandbox sandbox;
    const std::wstring saver = sandbox.CopyLogSaver(L"A");
    player::Windows w = player::StartPlayer(sandbox, {}, {saver});
    player::WaitForPreviewRun(sandbox, L"A", 1);
    const std::wstring config = sandbox.PathOf(L"config.cfg");
    ASSERT_TRUE(DeleteFileW(config.c_str()));

    const std::vector<HWND> windows = TopWindows(w.processId);
    for (HWND window : windows) EXPECT_NE(Send(window, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP), 0);
    // The player may be gone before the last of its windows is told.
    DWORD_PTR answer = 0;
    for (HWND window : windows)
        SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP, SMTO_NORMAL, kAnswerWithinMs,
                            &answer);
    EXPECT_TRUE(FileExists(config));
    EXPECT_TRUE(WaitUntil([&] { return !ProcessRunning(w.processId); }));
    EXPECT_EQ(WaitForEndedSaverRuns(sandbox.LogOf(L"A"), 1).size(), 1u);
}
