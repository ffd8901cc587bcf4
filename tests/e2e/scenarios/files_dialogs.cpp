// "Load...", "File..." and "Save..." of the playlist window, through the system's open and save
// dialogs driven by their own controls.
#include <gtest/gtest.h>

#include "files_support.h"
#include "playlist/PlaylistWindowIds.h"

using namespace e2e;
using vr::PlaylistWindowId::Button1;
using vr::PlaylistWindowId::Button3;
using vr::PlaylistWindowId::Button4;
using vr::PlaylistWindowId::Button5;

TEST(OpenDialog, LoadReplacesThePlaylistWithTheChosenPlaylistsScreensavers) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    const std::wstring b = sandbox.CopyLogSaver(L"B");
    const std::wstring c = sandbox.CopyLogSaver(L"C");
    // Lines that name no existing screensaver are skipped; the others keep their order.
    WriteFileBytes(sandbox.PathOf(L"chosen.spls"),
                   ToAnsi(c) + "\r\n\r\n" + ToAnsi(sandbox.PathOf(L"gone.scr")) + "\n" + ToAnsi(a) + " \r" +
                       ToAnsi(b) + "\r\n" + ToAnsi(sandbox.PathOf(L"chosen.spls")) + "\r\n");
    player::Windows w = player::StartPlayer(sandbox, {}, {a});
    player::WaitForPreviewRun(sandbox, L"A", 1);

    ASSERT_NO_THROW(files::ChooseInDialog(files::OpenDialogWith(w, Button5), sandbox.PathOf(L"chosen.spls")));
    EXPECT_TRUE(WaitUntil([&] { return ListItems(w.list) == std::vector<std::wstring>{c, b}; }));
    EXPECT_EQ(ListSelection(w.list), 0);
    player::WaitForPreviewRun(sandbox, L"C", 1);
    EXPECT_EQ(Text(w.host), L"C");
}

TEST(OpenDialog, LoadOfAPlaylistWithoutScreensaversLeavesThePlaylistEmpty) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    WriteFileBytes(sandbox.PathOf(L"none.spls"),
                   "no screensaver here\r\n" + ToAnsi(sandbox.PathOf(L"none.spls")) + "\r\n");
    player::Windows w = player::StartPlayer(sandbox, {}, {a, a});

    files::ChooseInDialog(files::OpenDialogWith(w, Button5), sandbox.PathOf(L"none.spls"));
    EXPECT_TRUE(WaitUntil([&] { return ListItems(w.list).empty(); }));
    EXPECT_EQ(ListSelection(w.list), -1);
}

TEST(OpenDialog, LoadCancelledLeavesThePlaylistAsItWas) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    const std::wstring b = sandbox.CopyLogSaver(L"B");
    player::Windows w = player::StartPlayer(sandbox, {}, {a, b});

    HWND dialog = files::OpenDialogWith(w, Button5);
    PressCancel(dialog);
    EXPECT_TRUE(WaitUntilNoDialog(w.processId));
    EXPECT_EQ(ListItems(w.list), (std::vector<std::wstring>{a, b}));
    EXPECT_EQ(ListSelection(w.list), 0);
}

TEST(OpenDialog, OffersFourFiltersAndRemembersTheOneLastChosen) {
    constexpr int kFileTypeCombo = 1136;  // the dialog's "files of type" choice
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    const std::wstring b = sandbox.CopyLogSaver(L"B");
    player::Windows w = player::StartPlayer(sandbox, {}, {a});

    HWND dialog = files::OpenDialogWith(w, Button1);
    HWND types = FindControl(dialog, kFileTypeCombo);
    ASSERT_NE(types, nullptr);
    EXPECT_EQ(ComboItems(types),
              (std::vector<std::wstring>{L"Screensaver or Playlist", L"Screensaver ", L"Screensaver Playlist",
                                         L"Desktop Wallpaper Mode Playlist"}));
    EXPECT_EQ(ComboSelection(types), 0);
    // A choice in the drop-down ends with CBN_SELENDOK after the change; the dialog acts on that.
    SelectComboItem(types, 1);
    Send(dialog, WM_COMMAND, MAKEWPARAM(kFileTypeCombo, CBN_SELENDOK), reinterpret_cast<LPARAM>(types));
    files::ChooseInDialog(dialog, b);
    EXPECT_TRUE(WaitUntil([&] { return ListItems(w.list).size() == 2; }));

    dialog = files::OpenDialogWith(w, Button5);
    EXPECT_EQ(ComboSelection(FindControl(dialog, kFileTypeCombo)), 1)
        << "\"Load...\" shares the dialog of \"File...\"";
    PressCancel(dialog);
    EXPECT_TRUE(WaitUntilNoDialog(w.processId));
}

TEST(OpenDialog, FileAddsSeveralChosenScreensaversAfterTheEntriesAndKeepsTheSelection) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    CreateDirectoryW(sandbox.PathOf(L"more").c_str(), nullptr);
    const std::wstring x = sandbox.CopyIn(a, L"more\\X.scr");
    const std::wstring y = sandbox.CopyIn(a, L"more\\Y.scr");
    player::Windows w = player::StartPlayer(sandbox, {}, {a});
    player::WaitForPreviewRun(sandbox, L"A", 1);

    HWND dialog = files::OpenDialogWith(w, Button1);
    // A folder typed into the name box and confirmed opens that folder; then both names at once.
    files::ChooseInDialog(dialog, sandbox.PathOf(L"more"));
    files::ChooseInDialog(dialog, L"\"Y.scr\" \"X.scr\"");
    EXPECT_TRUE(WaitUntilNoDialog(w.processId));
    EXPECT_TRUE(WaitUntil([&] { return ListItems(w.list).size() == 3; }));
    EXPECT_EQ(ListItems(w.list), (std::vector<std::wstring>{a, y, x}));
    EXPECT_EQ(ListSelection(w.list), 0);
    EXPECT_EQ(Text(w.host), L"A");
}

TEST(SaveDialog, SaveWritesEveryEntryAndAnEmptyPlaylistAsNoBytes) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    sandbox.CopyLogSaver(L"B");
    // A relative playlist line names the file in the current folder and is saved back as written.
    player::Windows w = player::StartPlayer(sandbox, {}, {a, L"B.scr", a});
    ASSERT_EQ(ListItems(w.list), (std::vector<std::wstring>{a, L"B.scr", a}));
    const std::wstring saved = sandbox.PathOf(L"saved.spls");

    files::ChooseInDialog(files::OpenDialogWith(w, Button4), saved);
    EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(saved).has_value(); }));
    EXPECT_EQ(ReadFileBytes(saved), files::CrLfLines({a, L"B.scr", a}));

    // The same name again, now for an empty playlist: overwritten without a question.
    Click(FindControl(w.playlist, Button3));
    ASSERT_TRUE(ListItems(w.list).empty());
    files::ChooseInDialog(files::OpenDialogWith(w, Button4), saved);
    EXPECT_TRUE(WaitUntilNoDialog(w.processId));
    EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(saved) == std::string(); }));
}

TEST(SaveDialog, ANameTypedWithoutExtensionGetsSpls) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    player::Windows w = player::StartPlayer(sandbox, {}, {a});

    files::ChooseInDialog(files::OpenDialogWith(w, Button4), sandbox.PathOf(L"plain"));
    EXPECT_TRUE(WaitUntil([&] { return FileExists(sandbox.PathOf(L"plain.spls")); }));
    EXPECT_EQ(ReadFileBytes(sandbox.PathOf(L"plain.spls")), files::CrLfLines({a}));
    EXPECT_FALSE(FileExists(sandbox.PathOf(L"plain")));
}

TEST(SaveDialog, AWallpaperPlaylistTypedWithoutExtensionGetsScfg) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    player::Windows w = player::StartPlayer(sandbox, {}, {a});

    files::ChooseInDialog(files::OpenDialogWith(w, vr::PlaylistWindowId::Button11), sandbox.PathOf(L"wall"));
    EXPECT_TRUE(WaitUntil([&] { return FileExists(sandbox.PathOf(L"wall.scfg")); }));
    EXPECT_FALSE(FileExists(sandbox.PathOf(L"wall.spls")));
    // Five header lines, then the entry.
    EXPECT_EQ(ReadLines(sandbox.PathOf(L"wall.scfg")).size(), 6u);
}

TEST(SaveDialog, AFileThatCannotBeReplacedShowsTheCreateErrorAndKeepsItsBytes) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    player::Windows w = player::StartPlayer(sandbox, {}, {a});
    const std::wstring busy = sandbox.PathOf(L"busy.spls");
    WriteFileBytes(busy, "kept\r\n");
    {
        const files::LockedFile lock(busy);
        ASSERT_TRUE(lock.Locked());
        HWND dialog = files::OpenDialogWith(w, Button4);
        files::ChooseInDialog(dialog, busy);
        HWND box = files::ExpectErrorBox(w.processId, files::CreateErrorStart(busy), dialog);
        ASSERT_NE(box, nullptr);
        PressOk(box);
        EXPECT_TRUE(WaitUntilNoDialog(w.processId));
    }
    EXPECT_TRUE(files::Answers(w.bar));
    EXPECT_EQ(ReadFileBytes(busy), "kept\r\n");
    EXPECT_FALSE(FileExists(busy + L".tmp~")) << "no half-written file is left beside it";
    EXPECT_EQ(ListItems(w.list), std::vector<std::wstring>{a});
}
