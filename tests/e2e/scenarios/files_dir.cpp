// "Dir...": the screensavers and playlists of one folder, in the folder listing's name order.
#include <gtest/gtest.h>

#include <algorithm>

#include "files_support.h"
#include "playlist/PlaylistWindowIds.h"

using namespace e2e;
using vr::PlaylistWindowId::Button2;

namespace {

// The folder as the system spells it once it is the current folder, which is how the player
// names the files it finds there.
std::wstring AsTheSystemSpellsIt(const std::wstring& folder) {
    wchar_t full[MAX_PATH] = {};
    const DWORD length = GetLongPathNameW(folder.c_str(), full, MAX_PATH);
    return length && length < MAX_PATH ? std::wstring(full, length) : folder;
}

HWND OpenFolderBrowser(const player::Windows& w) {
    HWND browser = files::OpenDialogWith(w, Button2);
    const std::vector<std::wstring> texts = StaticTexts(browser);
    EXPECT_NE(std::find(texts.begin(), texts.end(), L"Please Select a Folder"), texts.end());
    // Modal to the playlist window: no second browser can be opened behind it. The dialog's
    // modal loop disables its owner only once the dialog stands, so that is waited for.
    EXPECT_EQ(GetWindow(browser, GW_OWNER), w.playlist);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(w.playlist); }));
    return browser;
}

}  // namespace

TEST(FolderBrowser, DirAppendsTheFoldersScreensaversInNameOrderAndKeepsTheSelection) {
    Sandbox sandbox;
    const std::wstring first = sandbox.CopyLogSaver(L"First");
    const std::wstring listed = sandbox.CopyLogSaver(L"Listed");
    const std::wstring scan = sandbox.PathOf(L"scan");
    CreateDirectoryW(scan.c_str(), nullptr);
    for (const wchar_t* name : {L"b.scr", L"A.scr", L"c.SCR", L"notes.txt"})
        WriteFileBytes(scan + L"\\" + name, "");
    // Veilrunner.scr under another name, as the program folder of a portable copy holds it, is
    // never an entry: neither found in the folder nor named by a playlist.
    const std::wstring own = sandbox.CopyIn(PlaylistSaverBinary(), L"scan\\own.scr");
    // A playlist found there contributes its lines; a wallpaper playlist is left alone.
    WriteFileBytes(scan + L"\\x.spls", ToAnsi(own) + "\r\n" + ToAnsi(listed) + "\r\n");
    WriteFileBytes(scan + L"\\w.scfg", "1\r\n2\r\n3\r\n4\r\n5\r\n" + ToAnsi(first) + "\r\n");
    // Neither a hidden file nor a folder is listed, whatever its name.
    WriteFileBytes(scan + L"\\hidden.scr", "");
    SetFileAttributesW((scan + L"\\hidden.scr").c_str(), FILE_ATTRIBUTE_HIDDEN);
    CreateDirectoryW((scan + L"\\folder.scr").c_str(), nullptr);
    player::Windows w = player::StartPlayer(sandbox, {}, {first});
    player::WaitForPreviewRun(sandbox, L"First", 1);

    HWND browser = OpenFolderBrowser(w);
    SelectFolderInBrowser(browser, scan);
    PressOk(browser);
    EXPECT_TRUE(WaitUntilNoDialog(w.processId));

    const std::wstring found = AsTheSystemSpellsIt(scan);
    const std::vector<std::wstring> expected{first, found + L"\\A.scr", found + L"\\b.scr",
                                             found + L"\\c.SCR", listed};
    EXPECT_TRUE(WaitUntil([&] { return ListItems(w.list).size() == expected.size(); }))
        << ListItems(w.list).size();
    EXPECT_EQ(ListItems(w.list), expected);
    EXPECT_EQ(ListSelection(w.list), 0);
    EXPECT_EQ(Text(w.host), L"First");
}

TEST(FolderBrowser, DirCancelledAddsNothing) {
    Sandbox sandbox;
    const std::wstring first = sandbox.CopyLogSaver(L"First");
    player::Windows w = player::StartPlayer(sandbox, {}, {first});

    PressCancel(OpenFolderBrowser(w));
    EXPECT_TRUE(WaitUntilNoDialog(w.processId));
    EXPECT_EQ(ListItems(w.list), std::vector<std::wstring>{first});
}
