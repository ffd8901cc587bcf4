// Files dropped from the shell: on the playlist window they are only appended, by the drop rule;
// on the host window each dropped screensaver is selected and plays.
#include <gtest/gtest.h>

#include "files_support.h"
#include "playlist/PlaylistWindowIds.h"

using namespace e2e;

TEST(Drop, OnThePlaylistWindowAppendsByTheDropRuleAndKeepsTheSelection) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    const std::wstring b = sandbox.CopyLogSaver(L"B");
    const std::wstring c = sandbox.CopyLogSaver(L"C");
    const std::wstring d = sandbox.CopyLogSaver(L"D");
    const std::wstring e = sandbox.CopyLogSaver(L"E");
    // ".spl" and a bare "spls" are playlists; a wallpaper playlist is not read when dropped.
    WriteFileBytes(sandbox.PathOf(L"short.spl"), ToAnsi(c) + "\r\n");
    CreateDirectoryW(sandbox.PathOf(L"bare").c_str(), nullptr);
    WriteFileBytes(sandbox.PathOf(L"bare\\spls"), ToAnsi(e) + "\r\n");
    WriteFileBytes(sandbox.PathOf(L"w.scfg"), "1\r\n2\r\n3\r\n4\r\n5\r\n" + ToAnsi(d) + "\r\n");
    CreateDirectoryW(sandbox.PathOf(L"folder.scr").c_str(), nullptr);
    WriteFileBytes(sandbox.PathOf(L"notes.txt"), ToAnsi(d) + "\r\n");
    player::Windows w = player::StartPlayer(sandbox, {}, {a});
    player::WaitForPreviewRun(sandbox, L"A", 1);

    DropFiles(w.playlist,
              {b, sandbox.PathOf(L"folder.scr"), sandbox.PathOf(L"w.scfg"), sandbox.PathOf(L"short.spl"),
               sandbox.PathOf(L"bare\\spls"), sandbox.PathOf(L"notes.txt"), sandbox.PathOf(L"gone.scr")});
    EXPECT_TRUE(WaitUntil([&] { return ListItems(w.list).size() == 4; })) << ListItems(w.list).size();
    EXPECT_EQ(ListItems(w.list), (std::vector<std::wstring>{a, b, c, e}));
    EXPECT_EQ(ListSelection(w.list), 0);
    EXPECT_EQ(Text(w.host), L"A");
}

TEST(Drop, OnTheHostWindowSelectsTheLastDroppedScreensaverAndPlaysIt) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    const std::wstring b = sandbox.CopyLogSaver(L"B");
    const std::wstring c = sandbox.CopyLogSaver(L"C");
    const std::wstring listed = sandbox.CopyLogSaver(L"Listed");
    WriteFileBytes(sandbox.PathOf(L"more.spls"), ToAnsi(listed) + "\r\n");
    player::Windows w = player::StartPlayer(sandbox, {}, {a});
    player::WaitForPreviewRun(sandbox, L"A", 1);

    // A playlist's entries are appended without being selected; each screensaver is selected.
    DropFiles(w.host, {b, c, sandbox.PathOf(L"more.spls")});
    EXPECT_TRUE(WaitUntil([&] { return ListItems(w.list).size() == 4; })) << ListItems(w.list).size();
    EXPECT_EQ(ListItems(w.list), (std::vector<std::wstring>{a, b, c, listed}));
    EXPECT_EQ(ListSelection(w.list), 2);
    player::WaitForPreviewRun(sandbox, L"C", 1);
    EXPECT_EQ(Text(w.host), L"C");
}

// A program that only accepts files gets them as the shell's WM_DROPFILES; the player bar takes
// that road as well as OLE's, to the same handler. Messages that look like drops from any other
// process are no drops.
TEST(Drop, TheShellsDropMessageOnThePlayerBarPlaysTheScreensaverAndNothingElseDrops) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    const std::wstring b = sandbox.CopyLogSaver(L"B");
    const std::wstring c = sandbox.CopyLogSaver(L"C");
    player::Windows w = player::StartPlayer(sandbox, {}, {a});
    player::WaitForPreviewRun(sandbox, L"A", 1);

    // Paths in a WM_COPYDATA, and a message carrying an address of no drop.
    const std::string path = ToAnsi(c) + '\0' + '\0';
    COPYDATASTRUCT copy{0x56524450, static_cast<DWORD>(path.size()), const_cast<char*>(path.data())};
    for (HWND window : {w.bar, w.host, w.playlist}) {
        Send(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
        Post(window, WM_APP + 0x44, 0, 0x12345678);
    }

    PostDropFilesMessage(w.bar, {b});
    player::WaitForPreviewRun(sandbox, L"B", 1);
    EXPECT_EQ(Text(w.host), L"B");
    EXPECT_EQ(ListItems(w.list), (std::vector<std::wstring>{a, b}));
    EXPECT_EQ(ListSelection(w.list), 1);
    EXPECT_TRUE(sandbox.SaverRuns(L"C").empty());
}
