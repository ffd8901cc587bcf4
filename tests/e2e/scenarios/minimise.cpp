// No preview plays in a pane nobody sees: minimising the host window, or the player bar (which
// takes the windows beside it along), stops the preview, and restoring starts the current
// screensaver again at the pane's size.
#include <gtest/gtest.h>

#include "custody_support.h"

using namespace e2e;

namespace {

// Three times the host's restart delay: long enough for a start that should not happen.
constexpr auto kNothingStartsFor = 1500ms;

std::wstring SizeText(SIZE size) { return std::to_wstring(size.cx) + L"x" + std::to_wstring(size.cy); }

// The first `count` runs of the saver have ended, the last of them by the player's WM_QUIT.
void ExpectStopped(const Sandbox& sandbox, const std::wstring& saver, std::size_t count) {
    const auto runs = WaitForEndedSaverRuns(sandbox.LogOf(saver), count, custody::kStoppedPreviewEndsWithin);
    ASSERT_GE(runs.size(), count);
    EXPECT_TRUE(runs[count - 1].Ended()) << "the preview plays on";
    EXPECT_EQ(runs[count - 1].end, L"quit message");
}

// While the duration passes, no saver process starts: afterwards the log holds as many runs as
// before and no process runs from the folder but the player.
void ExpectNothingStarts(const Sandbox& sandbox, const player::Windows& w,
                         const std::vector<std::wstring>& savers) {
    std::vector<std::size_t> before;
    for (const std::wstring& saver : savers) before.push_back(sandbox.SaverRuns(saver).size());
    Sleep(static_cast<DWORD>(kNothingStartsFor.count()));
    for (std::size_t i = 0; i < savers.size(); ++i)
        EXPECT_EQ(sandbox.SaverRuns(savers[i]).size(), before[i]) << ToUtf8(savers[i]) << " started";
    EXPECT_EQ(custody::Describe(custody::SaverProcesses(sandbox, w.processId)), "");
}

}  // namespace

TEST(Minimise, AMinimisedHostPlaysNothingEvenForANewSelectionAndItsRestoreStartsTheCurrentSaver) {
    Sandbox sandbox;
    const std::wstring calm = sandbox.CopyLogSaver(L"Calm");
    const std::wstring other = sandbox.CopyLogSaver(L"Other");
    const player::Windows w = player::StartPlayer(sandbox, {}, {calm, other});
    player::WaitForPreviewRun(sandbox, L"Calm", 1);
    const SIZE pane = ClientSize(w.pane);

    ShowWindow(w.host, SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(w.host) != FALSE; }));
    ExpectStopped(sandbox, L"Calm", 1);
    ExpectNothingStarts(sandbox, w, {L"Calm"});
    // A selection makes another saver current, but it too waits for the pane to be seen.
    SelectListItem(w.list, 1);
    ExpectNothingStarts(sandbox, w, {L"Calm", L"Other"});

    const ULONGLONG restoredAt = GetTickCount64();
    ShowWindow(w.host, SW_RESTORE);
    const SaverRun restarted = player::WaitForPreviewRun(sandbox, L"Other", 1);
    EXPECT_EQ(restarted.Parent(), w.pane);
    EXPECT_TRUE(restarted.childOfParent);
    EXPECT_EQ(restarted.size, SizeText(pane));
    EXPECT_EQ(SizeText(ClientSize(w.pane)), SizeText(pane));
    // Like any resize, the restore starts the preview after the host's delay of 500 ms.
    EXPECT_GE(restarted.startedAt, restoredAt + 400);
    EXPECT_EQ(sandbox.SaverRuns(L"Calm").size(), 1u);
}

TEST(Minimise, TheBarMinimisesWithTheOtherWindowsStopsThePreviewAndItsRestoreBringsAllBack) {
    Sandbox sandbox;
    const std::wstring calm = sandbox.CopyLogSaver(L"Calm");
    const player::Windows w = player::StartPlayer(sandbox, {}, {calm});
    player::WaitForPreviewRun(sandbox, L"Calm", 1);
    const SIZE pane = ClientSize(w.pane);
    ASSERT_TRUE(WaitUntil([&] { return IsShown(w.playlist); }));

    // The bar itself goes to its taskbar button; the windows beside it hide with it.
    Send(w.bar, WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_TRUE(WaitUntil([&] { return !IsShown(w.host) && !IsShown(w.playlist); }));
    EXPECT_TRUE(IsIconic(w.bar));
    EXPECT_TRUE(IsWindowVisible(w.bar)) << "the taskbar button went with the bar";
    ExpectStopped(sandbox, L"Calm", 1);
    ExpectNothingStarts(sandbox, w, {L"Calm"});

    // As a click on the taskbar button does: the bar is restored, and the windows with it.
    Send(w.bar, WM_SYSCOMMAND, SC_RESTORE);
    const SaverRun restarted = player::WaitForPreviewRun(sandbox, L"Calm", 2);
    EXPECT_EQ(restarted.Parent(), w.pane);
    EXPECT_TRUE(restarted.childOfParent);
    EXPECT_EQ(restarted.size, SizeText(pane));
    EXPECT_FALSE(IsIconic(w.bar));
    EXPECT_TRUE(IsShown(w.host));
    EXPECT_TRUE(IsShown(w.playlist));

    // Restored by the system without the menu (the system's "minimise all" and its undo).
    ShowWindow(w.bar, SW_MINIMIZE);
    EXPECT_TRUE(WaitUntil([&] { return !IsShown(w.host) && !IsShown(w.playlist); }));
    ExpectStopped(sandbox, L"Calm", 2);
    ShowWindow(w.bar, SW_RESTORE);
    player::WaitForPreviewRun(sandbox, L"Calm", 3);
    EXPECT_TRUE(IsShown(w.playlist));

    // Minimised again and ended as "End task" does, with a close to every top-level window, the
    // hidden application window first: the playlist window was open, and that is what the settings
    // keep, not the hiding that came with the minimising.
    Send(w.bar, WM_SYSCOMMAND, SC_MINIMIZE);
    ExpectStopped(sandbox, L"Calm", 3);
    const Process held = custody::Hold(w.processId);
    for (HWND window : {GetWindow(w.bar, GW_OWNER), w.bar, w.host, w.playlist}) Post(window, WM_CLOSE);
    ASSERT_TRUE(custody::PlayerEnded(held));
    const std::vector<std::string> saved = ReadLines(sandbox.PathOf(L"config.cfg"));
    ASSERT_EQ(saved.size(), 20u);
    EXPECT_EQ(saved[8], "1") << "line 8: the playlist window is shown";
    EXPECT_EQ(sandbox.SaverRuns(L"Calm").size(), 3u);
}
