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

// A long playlist names the screensavers of a folder many times over, and the player confirms
// them by one listing of that folder: the entries must still be exactly the lines whose files
// exist, in their order and spelling, whatever case, folder or name outside the code page.
TEST(Drop, APlaylistNamingAFoldersScreensaversManyTimesTakesExactlyTheLinesWhoseFilesExist) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    const std::wstring many = sandbox.PathOf(L"many");
    CreateDirectoryW(many.c_str(), nullptr);
    CreateDirectoryW((many + L"\\dir.scr").c_str(), nullptr);
    CreateDirectoryW((many + L"\\sub").c_str(), nullptr);
    std::vector<std::wstring> savers;
    for (int i = 0; i < 10; ++i) {
        savers.push_back(many + L"\\s" + std::to_wstring(i) + (i == 7 ? L"\u5C4F.scr" : L".scr"));
        WriteFileBytes(savers.back(), "");
    }
    WriteFileBytes(many + L"\\sub\\t.scr", "");
    std::vector<std::wstring> lines, expected;
    for (int i = 0; i < 40; ++i) lines.push_back(savers[static_cast<std::size_t>(i * 3 % 10)]);
    expected = lines;
    for (const std::wstring& line : {many + L"\\S3.SCR", many + L"\\sub\\t.scr"}) {
        lines.push_back(line);
        expected.push_back(line);
    }
    lines.push_back(many + L"\\sub\\..\\s1.scr");
    expected.push_back(lines.back());
    lines.insert(lines.begin() + 5, {many + L"\\s10.scr", many + L"\\dir.scr", many + L"\\s1.scr "});
    std::string text = "\xEF\xBB\xBF";  // UTF-8, for the name outside the code page
    for (const std::wstring& line : lines) text += ToUtf8(line) + "\r\n";
    WriteFileBytes(sandbox.PathOf(L"long.spls"), text);
    player::Windows w = player::StartPlayer(sandbox, {}, {a});
    player::WaitForPreviewRun(sandbox, L"A", 1);

    DropFiles(w.playlist, {sandbox.PathOf(L"long.spls")});
    expected.insert(expected.begin(), a);
    EXPECT_TRUE(WaitUntil([&] { return ListItems(w.list).size() == expected.size(); }))
        << ListItems(w.list).size();
    EXPECT_EQ(ListItems(w.list), expected);
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

// The player bar takes drops by OLE. Messages that look like drops from another process are no
// drops, a WM_DROPFILES naming a drop in the player's own memory among them.
TEST(Drop, OnThePlayerBarPlaysTheScreensaverAndNoMessageFromAnotherProcessDrops) {
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

    PostDropFilesMessage(w.bar, {c});
    DropFiles(w.bar, {b});
    player::WaitForPreviewRun(sandbox, L"B", 1);
    EXPECT_EQ(Text(w.host), L"B");
    EXPECT_EQ(ListItems(w.list), (std::vector<std::wstring>{a, b}));
    EXPECT_EQ(ListSelection(w.list), 1);
    EXPECT_TRUE(sandbox.SaverRuns(L"C").empty());
}
