// "Win + Sys": on a first run in an empty folder, where every setting takes its default, it fills
// the playlist from the Windows folder and the system folder; its button appends them again.
#include <gtest/gtest.h>

#include "files_support.h"
#include "playlist/PlaylistWindowIds.h"

using namespace e2e;

TEST(FirstRun, WinAndSysFillThePlaylistAndItsFirstEntryPlays) {
    // The shared folders hold the savers only while this scenario runs.
    const files::SharedFolderSaver inWindows(files::WindowsFolder(), L"vr-first-run-windows");
    const files::SharedFolderSaver inSystem(files::SystemFolder(), L"vr-first-run-system");
    // Listed too, but no screensaver: it is neither run nor read.
    const files::SharedFolderSaver listInSystem(files::SystemFolder(), L"vr-first-run-list", L".spls");
    Sandbox sandbox;
    const player::Windows w = player::WaitForPlayer(sandbox.StartProgram().Id());

    // The Windows folder is listed first, then the system folder, each in name order; a fresh
    // prefix holds no other screensavers or playlists in either.
    EXPECT_TRUE(WaitUntil([&] { return ListItems(w.list).size() == 2; })) << ListItems(w.list).size();
    EXPECT_EQ(ListItems(w.list), (std::vector<std::wstring>{inWindows.Path(), inSystem.Path()}));
    EXPECT_EQ(ListSelection(w.list), 0);
    const auto runs = WaitForSaverRuns(inWindows.LogPath(), 1);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].mode, L"preview");
    EXPECT_EQ(runs[0].Parent(), w.pane);
    EXPECT_TRUE(runs[0].childOfParent);
    EXPECT_EQ(Text(w.host), inWindows.Name());

    EXPECT_TRUE(IsShown(w.playlist));
    EXPECT_TRUE(IsShown(FindControl(w.playlist, vr::PlaylistWindowId::Memo1)));
    EXPECT_EQ(ComboSelection(w.timeCombo), 4);
    EXPECT_EQ(Text(w.timeCombo), L"Change every 21 Sec.");
    EXPECT_EQ(Send(FindControl(w.playlist, vr::PlaylistWindowId::RadioButton3), BM_GETCHECK), BST_CHECKED);

    // Closing stops the preview, so the saver can be removed again.
    Post(w.bar, WM_CLOSE);
    EXPECT_TRUE(WaitForEndedSaverRuns(inWindows.LogPath(), 1).at(0).Ended());
}

TEST(WinAndSys, TheButtonAppendsTheSystemsScreensaversAgainAndKeepsTheSelection) {
    const files::SharedFolderSaver inSystem(files::SystemFolder(), L"vr-win-and-sys");
    // Where 32-bit installers put theirs, listed after the system folder.
    const files::SharedFolderSaver in32Bit(files::SystemWow64Folder(), L"vr-win-and-sys-32");
    // The 32-bit copy of a saver the system folder has, in other case, is not listed again.
    const files::SharedFolderSaver inBoth(files::SystemFolder(), L"vr-both");
    const files::SharedFolderSaver inBoth32Bit(files::SystemWow64Folder(), inBoth);
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    player::Windows w = player::StartPlayer(sandbox, {}, {a});
    player::WaitForPreviewRun(sandbox, L"A", 1);
    HWND button = FindControl(w.playlist, vr::PlaylistWindowId::Button8);
    ASSERT_TRUE(IsEnabled(button)) << "enabled once a screensaver is current";

    Click(button);
    const std::vector<std::wstring> once{inBoth.Path(), inSystem.Path(), in32Bit.Path()};
    std::vector<std::wstring> expected{a};
    expected.insert(expected.end(), once.begin(), once.end());
    EXPECT_EQ(ListItems(w.list), expected);
    Click(button);
    expected.insert(expected.end(), once.begin(), once.end());
    EXPECT_EQ(ListItems(w.list), expected);
    EXPECT_EQ(ListSelection(w.list), 0);
    EXPECT_EQ(Text(w.host), L"A");
    EXPECT_TRUE(files::Closed(w));
    EXPECT_TRUE(ReadSaverLog(inSystem.LogPath()).empty())
        << "selecting the current entry again starts nothing";
}
