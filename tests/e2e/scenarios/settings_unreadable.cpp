// A "config.cfg" that exists but cannot be opened: the start-up sequence ends at its first step
// with the standard error box, and the player carries on with only its bar.
#include <gtest/gtest.h>

#include <optional>

#include "files_support.h"
#include "player/PlayerBarIds.h"
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

// A saved file held by another program for a moment at start (a backup, a scan, a sync): the
// error box shows, and closing leaves the file as the user saved it until something it would
// hold is changed.
TEST(Settings, ASavedFileThatCouldNotBeReadAtStartIsLeftAsItWasUntilTheUserChangesIt) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    const std::wstring b = sandbox.CopyLogSaver(L"B");
    const std::wstring config = sandbox.PathOf(L"config.cfg");
    const std::wstring saved = sandbox.PathOf(L"myList.spls");
    player::Settings settings;
    settings.selected = 1;
    const std::string settingsText = player::ConfigText(settings);
    const std::string savedText = files::CrLfLines(std::vector<std::wstring>{a, b});
    WriteFileBytes(config, settingsText);
    WriteFileBytes(saved, savedText);

    // Held while the player starts, let go before it closes.
    auto startWhileHeld = [&](const std::wstring& held) {
        std::optional<files::LockedFile> lock(std::in_place, held);
        EXPECT_TRUE(lock->Locked());
        const DWORD id = sandbox.StartProgram().Id();
        HWND box = files::ExpectErrorBox(id, files::OpenErrorStart(held));
        lock.reset();
        if (box) PressOk(box);
        EXPECT_TRUE(WaitUntilNoDialog(id));
        return id;
    };
    auto close = [&](DWORD id) {
        Post(FindTopWindow(id, L"TfrmSVDOptions"), WM_CLOSE);
        EXPECT_TRUE(WaitUntil([&] { return !ProcessRunning(id); }));
    };

    // The start ended early: neither file holds what the windows show.
    close(startWhileHeld(saved));
    EXPECT_EQ(ReadFileBytes(saved), savedText);
    EXPECT_EQ(ReadFileBytes(config), settingsText);

    close(startWhileHeld(config));
    EXPECT_EQ(ReadFileBytes(config), settingsText);
    EXPECT_EQ(ReadFileBytes(saved), savedText);

    // A choice made is kept; the playlist, which the player never read, still stays.
    const DWORD id = startWhileHeld(config);
    SelectComboItem(FindControl(FindTopWindow(id, L"TfrmSVDOptions"), vr::PlayerBarId::TimeCombo), 3);
    close(id);
    EXPECT_EQ(ReadLines(config).at(14), "3");
    EXPECT_EQ(ReadFileBytes(saved), savedText);
}
