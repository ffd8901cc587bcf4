// The settings on their way out when the program is not simply closed: the session ends (logoff,
// shutdown, an update's restart), or another program holds "config.cfg" open while the player
// closes.
#include <gtest/gtest.h>

#include "files_support.h"

using namespace e2e;

namespace {

constexpr int kEvery3Minutes = 7;
constexpr std::size_t kIntervalLine = 14;

// As Windows ends a session: every top-level window of the program is asked, then told, and the
// process is ended soon after.
void EndSession(DWORD processId) {
    const std::vector<HWND> windows = TopWindows(processId);
    for (HWND window : windows) Send(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
    for (HWND window : windows) Send(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    KillProcess(processId);
}

std::string IntervalSaved(const Sandbox& sandbox) {
    const std::vector<std::string> lines = ReadLines(sandbox.PathOf(L"config.cfg"));
    return lines.size() > kIntervalLine ? lines[kIntervalLine]
                                        : "(no line " + std::to_string(kIntervalLine) + ")";
}

}  // namespace

TEST(Settings, TheSessionsEndSavesWhatClosingSavesAndEndsThePreview) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    const player::Windows w = player::StartPlayer(sandbox, {}, {a});
    player::WaitForPreviewRun(sandbox, L"A", 1);
    // The playlist was read at the start; only saving brings the file back.
    ASSERT_TRUE(DeleteFileW(sandbox.PathOf(L"myList.spls").c_str()));
    SelectComboItem(w.timeCombo, kEvery3Minutes);

    EndSession(w.processId);
    EXPECT_EQ(IntervalSaved(sandbox), std::to_string(kEvery3Minutes));
    EXPECT_EQ(ReadFileBytes(sandbox.PathOf(L"myList.spls")), files::CrLfLines(std::vector<std::wstring>{a}));
    EXPECT_EQ(WaitForEndedSaverRuns(sandbox.LogOf(L"A"), 1).at(0).end, L"quit message");
}

TEST(Settings, ASettingsFileHeldByAnotherProgramIsWaitedForBrieflyAndNeverKeepsThePreviewRunning) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    const std::wstring config = sandbox.PathOf(L"config.cfg");
    const std::wstring waiting = config + L".tmp~";

    // Held for good: the save fails, and the player closes all the same, its preview ended.
    player::Windows w = player::StartPlayer(sandbox, {}, {a});
    player::WaitForPreviewRun(sandbox, L"A", 1);
    const std::optional<std::string> before = ReadFileBytes(config);
    SelectComboItem(w.timeCombo, kEvery3Minutes);
    {
        files::LockedFile held(config);
        ASSERT_TRUE(held.Locked());
        ASSERT_TRUE(files::Closed(w));
    }
    EXPECT_EQ(WaitForEndedSaverRuns(sandbox.LogOf(L"A"), 1).at(0).end, L"quit message");
    EXPECT_EQ(ReadFileBytes(config), before);
    EXPECT_FALSE(FileExists(waiting));

    // Held for a moment, as a virus scanner does: the player waits for it, and the change is kept.
    w = player::WaitForPlayer(sandbox.StartProgram().Id());
    player::WaitForPreviewRun(sandbox, L"A", 2);
    SelectComboItem(w.timeCombo, kEvery3Minutes);
    {
        files::LockedFile held(config);
        ASSERT_TRUE(held.Locked());
        Post(w.bar, WM_CLOSE);
        // The new settings stand complete beside the held file while the player tries again.
        ASSERT_TRUE(WaitUntil([&] { return FileExists(waiting); }));
    }
    ASSERT_TRUE(WaitUntil([&] { return !ProcessRunning(w.processId); }));
    EXPECT_EQ(IntervalSaved(sandbox), std::to_string(kEvery3Minutes));
    EXPECT_FALSE(FileExists(waiting));
    EXPECT_EQ(WaitForEndedSaverRuns(sandbox.LogOf(L"A"), 2).at(1).end, L"quit message");
}
