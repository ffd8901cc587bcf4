// A "config.cfg" that exists but cannot be opened: the start-up sequence ends at its first step
// with the standard error box, and the player carries on with only its bar.
#include <gtest/gtest.h>

#include "files_support.h"
#include "playlist/PlaylistWindowIds.h"

using namespace e2e;

TEST(Settings, AnUnreadableConfigShowsTheErrorBoxAndLeavesOnlyTheBar) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    const std::wstring config = sandbox.PathOf(L"config.cfg");
    const std::string settings = player::ConfigText({});
    WriteFileBytes(config, settings);
    WriteFileBytes(sandbox.PathOf(L"myList.spls"), ToAnsi(a) + "\r\n");
    const files::LockedFile lock(config);
    ASSERT_TRUE(lock.Locked());

    const DWORD id = sandbox.StartProgram().Id();
    HWND box = files::ExpectErrorBox(id, files::OpenErrorStart(config));
    ASSERT_NE(box, nullptr);
    HWND bar = FindTopWindow(id, L"TfrmSVDOptions");
    EXPECT_TRUE(IsShown(bar));
    EXPECT_TRUE(files::Answers(bar));
    PressOk(box);
    EXPECT_TRUE(WaitUntilNoDialog(id));

    HWND host = FindTopWindow(id, L"TfrmSVDActive");
    HWND playlist = FindTopWindow(id, L"TForm1");
    EXPECT_TRUE(IsShown(bar));
    EXPECT_FALSE(IsShown(host));
    EXPECT_FALSE(IsShown(playlist));
    EXPECT_TRUE(ListItems(FindControl(playlist, vr::PlaylistWindowId::ListBox1)).empty());
    EXPECT_TRUE(files::Answers(bar));
    EXPECT_TRUE(sandbox.SaverRuns(L"A").empty());

    // Closing cannot replace the locked file either: nothing is said, and nothing is written.
    Post(bar, WM_CLOSE);
    EXPECT_TRUE(WaitUntil([&] { return !ProcessRunning(id); }));
    EXPECT_EQ(ReadFileBytes(sandbox.PathOf(L"myList.spls")), ToAnsi(a) + "\r\n");
}
