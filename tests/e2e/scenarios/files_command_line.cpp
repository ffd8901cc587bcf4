// A screensaver named on the command line joins the playlist first and plays.
#include <gtest/gtest.h>

#include "Player.h"

using namespace e2e;

TEST(CommandLine, AScreensaverArgumentJoinsThePlaylistFirstAndPlays) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    const std::wstring b = sandbox.CopyLogSaver(L"B");
    const std::wstring given = sandbox.CopyLogSaver(L"Given");
    player::Settings settings;
    settings.selected = 1;  // the argument plays whatever was selected last time
    player::Windows w = player::StartPlayer(sandbox, settings, {a, b}, L"\"" + given + L"\"");

    EXPECT_EQ(ListItems(w.list), (std::vector<std::wstring>{given, a, b}));
    EXPECT_EQ(ListSelection(w.list), 0);
    const SaverRun run = player::WaitForPreviewRun(sandbox, L"Given", 1);
    EXPECT_EQ(run.mode, L"preview");
    EXPECT_EQ(run.Parent(), w.pane);
    EXPECT_EQ(Text(w.host), L"Given");
    EXPECT_TRUE(sandbox.SaverRuns(L"B").empty());
}

TEST(CommandLine, APlaylistArgumentContributesItsEntriesBeforeTheSavedOnes) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    const std::wstring b = sandbox.CopyLogSaver(L"B");
    const std::wstring given = sandbox.PathOf(L"given.spls");
    WriteFileBytes(given, ToAnsi(b) + "\r\n" + ToAnsi(a) + "\r\n");
    player::Settings settings;
    settings.selected = 1;
    player::Windows w = player::StartPlayer(sandbox, settings, {a}, L"\"" + given + L"\"");

    EXPECT_EQ(ListItems(w.list), (std::vector<std::wstring>{b, a, a}));
    EXPECT_EQ(ListSelection(w.list), 0);
    player::WaitForPreviewRun(sandbox, L"B", 1);
    EXPECT_EQ(Text(w.host), L"B");
}

TEST(CommandLine, AnArgumentNamingNoFileLoadsTheSavedPlaylistAndPlaysItsFirstEntry) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    const std::wstring b = sandbox.CopyLogSaver(L"B");
    player::Settings settings;
    settings.selected = 1;  // not applied: an argument always selects the first entry
    player::Windows w =
        player::StartPlayer(sandbox, settings, {a, b}, L"\"" + sandbox.PathOf(L"missing.scr") + L"\"");

    EXPECT_EQ(ListItems(w.list), (std::vector<std::wstring>{a, b}));
    EXPECT_EQ(ListSelection(w.list), 0);
    player::WaitForPreviewRun(sandbox, L"A", 1);
    EXPECT_EQ(Text(w.host), L"A");
}
