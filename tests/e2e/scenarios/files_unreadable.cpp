// A playlist that exists but cannot be opened: the standard error box, the rest of the drop
// abandoned, and the player carrying on.
#include <gtest/gtest.h>

#include "files_support.h"
#include "playlist/PlaylistWindowIds.h"

using namespace e2e;

TEST(UnreadablePlaylist, LoadEmptiesThePlaylistShowsTheErrorBoxAndSelectsNothing) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    const std::wstring locked = sandbox.PathOf(L"locked.spls");
    WriteFileBytes(locked, ToAnsi(a) + "\r\n");
    player::Windows w = player::StartPlayer(sandbox, {}, {a});
    player::WaitForPreviewRun(sandbox, L"A", 1);
    const files::LockedFile lock(locked);
    ASSERT_TRUE(lock.Locked());

    HWND dialog = files::OpenDialogWith(w, vr::PlaylistWindowId::Button5);
    files::ChooseInDialog(dialog, locked);
    HWND box = files::ExpectErrorBox(w.processId, files::OpenErrorStart(locked), dialog);
    ASSERT_NE(box, nullptr);
    PressOk(box);
    EXPECT_TRUE(WaitUntilNoDialog(w.processId));
    EXPECT_TRUE(ListItems(w.list).empty());
    EXPECT_EQ(ListSelection(w.list), -1);
    // The current screensaver keeps playing: nothing ran the selection handler.
    EXPECT_EQ(Text(w.host), L"A");
    EXPECT_TRUE(files::Answers(w.bar));
}

TEST(UnreadablePlaylist, DroppedOnTheBarShowsTheErrorBoxAndThePlayerCarriesOn) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    const std::wstring before = sandbox.CopyLogSaver(L"Before");
    const std::wstring after = sandbox.CopyLogSaver(L"After");
    const std::wstring locked = sandbox.PathOf(L"locked.spls");
    WriteFileBytes(locked, ToAnsi(a) + "\r\n");
    player::Windows w = player::StartPlayer(sandbox, {}, {a});
    player::WaitForPreviewRun(sandbox, L"A", 1);
    const files::LockedFile lock(locked);
    ASSERT_TRUE(lock.Locked());

    DropFiles(w.bar, {before, locked, after});
    HWND box = files::ExpectErrorBox(w.processId, files::OpenErrorStart(locked));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(files::Answers(w.bar));

    PressOk(box);
    EXPECT_TRUE(WaitUntilNoDialog(w.processId));
    // The screensaver dropped before the playlist was taken and selected; the rest was abandoned.
    EXPECT_EQ(ListItems(w.list), (std::vector<std::wstring>{a, before}));
    EXPECT_EQ(ListSelection(w.list), 1);
    player::WaitForPreviewRun(sandbox, L"Before", 1);
    // And it plays on: a new choice starts its preview.
    SelectListItem(w.list, 0);
    player::WaitForPreviewRun(sandbox, L"A", 2);
    EXPECT_EQ(Text(w.host), L"A");
    EXPECT_TRUE(sandbox.SaverRuns(L"After").empty());
}
