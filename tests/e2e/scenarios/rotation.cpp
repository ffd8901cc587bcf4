// The playlist window's rotation, selection rules and the full-screen run.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Player.h"
#include "playlist/PlaylistWindowIds.h"

using namespace e2e;

namespace {

constexpr int kEvery3Seconds = 1;
constexpr int kChangeManually = 0;

// The player is busy (its one thread waits) when it does not answer a message quickly.
bool Answers(HWND window) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 300, &result) != 0;
}

}  // namespace

TEST(Rotation, WrapsFromTheLastEntryToTheFirstAndStopsForChangeManually) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    const std::wstring b = sandbox.CopyLogSaver(L"B");
    player::Settings settings;
    settings.interval = kEvery3Seconds;
    player::Windows w = player::StartPlayer(sandbox, settings, {a, b});
    player::WaitForPreviewRun(sandbox, L"A", 1);

    player::WaitForPreviewRun(sandbox, L"B", 1);
    EXPECT_EQ(ListSelection(w.list), 1);
    player::WaitForPreviewRun(sandbox, L"A", 2);
    EXPECT_EQ(ListSelection(w.list), 0);

    SelectComboItem(w.timeCombo, kChangeManually);
    const std::size_t runsSoFar = sandbox.SaverRuns(L"A").size() + sandbox.SaverRuns(L"B").size();
    // Two whole intervals without a change show the rotation has stopped.
    Sleep(6500);
    EXPECT_EQ(sandbox.SaverRuns(L"A").size() + sandbox.SaverRuns(L"B").size(), runsSoFar);
}

TEST(Selection, AnEntryWhoseFileVanishedIsRemovedWhenSelected) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    const std::wstring b = sandbox.CopyLogSaver(L"B");
    player::Windows w = player::StartPlayer(sandbox, {}, {a, b});
    player::WaitForPreviewRun(sandbox, L"A", 1);
    ASSERT_TRUE(DeleteFileW(b.c_str()));

    SelectListItem(w.list, 1);
    EXPECT_TRUE(WaitUntil([&] { return ListItems(w.list).size() == 1; }));
    EXPECT_EQ(ListItems(w.list), std::vector<std::wstring>{a});
    EXPECT_EQ(ListSelection(w.list), 0);
    EXPECT_EQ(Text(w.host), L"A");
}

TEST(Selection, DeleteRemovesTheEntryAndPlaysTheOneBefore) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    const std::wstring b = sandbox.CopyLogSaver(L"B");
    player::Settings settings;
    settings.selected = 1;
    player::Windows w = player::StartPlayer(sandbox, settings, {a, b});
    player::WaitForPreviewRun(sandbox, L"B", 1);

    PressKey(w.list, VK_DELETE);
    EXPECT_TRUE(WaitUntil([&] { return ListItems(w.list).size() == 1; }));
    EXPECT_EQ(ListSelection(w.list), 0);
    player::WaitForPreviewRun(sandbox, L"A", 1);
    EXPECT_TRUE(FileExists(b)) << "Delete only removes the entry";
}

// A typed character goes to the next entry starting with it, round past the end, as in any list
// box; entries are whole paths, so here all start with the sandbox's drive letter.
// Typed characters go by file names, since every full path starts with the same drive letter;
// only a character no file name starts with goes by the full text.
TEST(Selection, ATypedCharacterGoesToTheNextEntryWhoseFileNameStartsWithItAndPlaysIt) {
    Sandbox sandbox;
    const auto [w, savers] = player::StartPlayingLogSavers(sandbox, {L"Alpha", L"Beta", L"Apex"});
    const auto drive = static_cast<UINT>(towupper(savers[0].front()));  // typed without Shift: lower case
    ASSERT_TRUE(drive != 'A' && drive != 'B' && drive != 'Q');

    PressKey(w.list, 'A');
    player::WaitForPreviewRun(sandbox, L"Apex", 1);
    EXPECT_EQ(ListSelection(w.list), 2);
    PressKey(w.list, 'A');
    player::WaitForPreviewRun(sandbox, L"Alpha", 2);
    EXPECT_EQ(ListSelection(w.list), 0);
    // A character no entry starts with leaves the selection where it was.
    PressKey(w.list, 'Q');
    PressKey(w.list, 'B');
    player::WaitForPreviewRun(sandbox, L"Beta", 1);
    EXPECT_EQ(ListSelection(w.list), 1);
    // No file name starts with the drive letter: the next full path does.
    PressKey(w.list, drive);
    player::WaitForPreviewRun(sandbox, L"Apex", 2);
    EXPECT_EQ(ListSelection(w.list), 2);
}

TEST(FullScreen, RunWaitsForTheSaverAnsweringMeanwhileAndThePreviewReturns) {
    Sandbox sandbox;
    const std::wstring saver = sandbox.CopyLogSaver(L"Calm", 2000);
    player::Windows w = player::StartPlayer(sandbox, {}, {saver});
    player::WaitForPreviewRun(sandbox, L"Calm", 1);
    const SIZE paneBefore = ClientSize(w.pane);
    const HWND run = FindControl(w.playlist, vr::PlaylistWindowId::Button7);

    PostClick(run);
    const SaverRun fullScreen = player::WaitForPreviewRun(sandbox, L"Calm", 2);
    EXPECT_EQ(fullScreen.mode, L"fullscreen");
    EXPECT_EQ(fullScreen.commandLine, L"\"" + saver + L"\" /s ");
    EXPECT_EQ(WaitForEndedSaverRuns(sandbox.LogOf(L"Calm"), 1)[0].end, L"quit message");
    // The player waits for the run, answering what is sent to it; a click waits for the run's end.
    EXPECT_TRUE(Answers(w.bar)) << "the player must answer while it waits";
    PostClick(run);

    const std::vector<SaverRun> ended = WaitForEndedSaverRuns(sandbox.LogOf(L"Calm"), 2);
    EXPECT_EQ(ended[1].end, L"timeout");
    const SaverRun again = player::WaitForPreviewRun(sandbox, L"Calm", 3);
    EXPECT_EQ(again.mode, L"fullscreen");
    EXPECT_GE(again.startedAt, ended[1].endedAt);
    EXPECT_EQ(WaitForEndedSaverRuns(sandbox.LogOf(L"Calm"), 3)[2].end, L"timeout");

    const SaverRun preview = player::WaitForPreviewRun(sandbox, L"Calm", 4);
    EXPECT_EQ(preview.mode, L"preview");
    EXPECT_EQ(preview.Parent(), w.pane);
    EXPECT_TRUE(Answers(w.bar));
    EXPECT_EQ(ClientSize(w.pane).cx, paneBefore.cx);
    EXPECT_EQ(ClientSize(w.pane).cy, paneBefore.cy);
}

// Windows ends the session while a saver runs full screen: the player answers, saves what closing
// saves, and starts no preview once the run is over, while the system ends its process.
TEST(FullScreen, ASessionEndDuringTheRunSavesAndNothingStartsAfterIt) {
    Sandbox sandbox;
    const std::wstring saver = sandbox.CopyLogSaver(L"Calm", 3000);
    player::Windows w = player::StartPlayer(sandbox, {}, {saver});
    player::WaitForPreviewRun(sandbox, L"Calm", 1);
    const std::wstring config = sandbox.PathOf(L"config.cfg");
    ASSERT_TRUE(DeleteFileW(config.c_str()));

    PostClick(FindControl(w.playlist, vr::PlaylistWindowId::Button7));
    EXPECT_EQ(player::WaitForPreviewRun(sandbox, L"Calm", 2).mode, L"fullscreen");
    EXPECT_TRUE(Answers(w.bar)) << "the player must answer while it waits";
    const std::vector<HWND> windows = TopWindows(w.processId);
    for (HWND window : windows) EXPECT_NE(Send(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), 0);
    for (HWND window : windows) Send(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_TRUE(FileExists(config));
    EXPECT_FALSE(sandbox.SaverRuns(L"Calm")[1].Ended()) << "saved only once the run was over";

    EXPECT_EQ(WaitForEndedSaverRuns(sandbox.LogOf(L"Calm"), 2)[1].end, L"timeout");
    // Longer than the delay a preview starts after: none does.
    Sleep(1500);
    EXPECT_EQ(sandbox.SaverRuns(L"Calm").size(), 2u);
}

TEST(Configure, StartsTheCurrentSaverWithItsSettingsSwitchAndLeavesThePreviewAlone) {
    Sandbox sandbox;
    const std::wstring saver = sandbox.CopyLogSaver(L"Calm");
    player::Windows w = player::StartPlayer(sandbox, {}, {saver});
    player::WaitForPreviewRun(sandbox, L"Calm", 1);
    HWND configure = FindControl(w.playlist, vr::PlaylistWindowId::Button6);
    ASSERT_TRUE(WaitUntil([&] { return IsEnabled(configure); }));

    Click(configure);
    const SaverRun settings = player::WaitForPreviewRun(sandbox, L"Calm", 2);
    EXPECT_EQ(settings.mode, L"configure");
    EXPECT_EQ(settings.commandLine, L"\"" + saver + L"\" /c ");
    EXPECT_FALSE(sandbox.SaverRuns(L"Calm")[0].Ended()) << "the preview keeps playing";
}

namespace {

constexpr int kItem = 13;  // the list's item height
POINT OnItem(int index) { return {30, index * kItem + kItem / 2}; }

// Presses on one point of the list and lets go at another, moving well past the drag threshold
// on the way; `released` is in the list's client coordinates, and may lie outside it.
void DragInList(HWND list, POINT pressed, POINT released) {
    PressInClient(list, pressed);
    MoveInClient(list, {pressed.x, pressed.y + 8});
    MoveInClient(list, released);
    ReleaseInClient(list, released);
}

}  // namespace

// A press selects the entry under the pointer at once and plays it; a drag then moves that very
// entry, to the entry it is released on or below the last one, and a release anywhere off the
// list moves nothing.
TEST(Selection, PressingAnEntryPlaysItAndDraggingMovesItOnlyWithinTheList) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    const std::wstring b = sandbox.CopyLogSaver(L"B");
    const std::wstring c = sandbox.CopyLogSaver(L"C");
    const std::wstring d = sandbox.CopyLogSaver(L"D");
    player::Settings settings;
    settings.playlist = {20, 500};  // clear of the other windows, so the pointer reaches the list
    player::Windows w = player::StartPlayer(sandbox, settings, {a, b, c, d});
    player::WaitForPreviewRun(sandbox, L"A", 1);
    ASSERT_TRUE(WaitUntil([&] { return IsShown(w.playlist); }));
    SetForegroundWindow(w.playlist);

    // Pressing entry 2 plays it before any release.
    PressInClient(w.list, OnItem(2));
    EXPECT_TRUE(WaitUntil([&] { return ListSelection(w.list) == 2 && Text(w.host) == L"C"; }));
    player::WaitForPreviewRun(sandbox, L"C", 1);
    // Dragged onto entry 0, it is that entry which moves, and it stays the one playing.
    MoveInClient(w.list, {OnItem(2).x, OnItem(2).y + 8});
    MoveInClient(w.list, OnItem(0));
    ReleaseInClient(w.list, OnItem(0));
    EXPECT_TRUE(WaitUntil([&] { return ListItems(w.list) == std::vector<std::wstring>{c, a, b, d}; }));
    EXPECT_EQ(ListSelection(w.list), 0);
    EXPECT_EQ(Text(w.host), L"C");

    // Released over the panel, beside the window and above the list: the pressed entry plays,
    // nothing moves and it stays selected.
    const RECT list = WindowRect(w.list);
    const int height = list.bottom - list.top;
    const int width = list.right - list.left;
    DragInList(w.list, OnItem(3), {30, height + 40});
    EXPECT_TRUE(WaitUntil([&] { return Text(w.host) == L"D"; }));
    DragInList(w.list, OnItem(1), {width + 30, kItem});
    EXPECT_TRUE(WaitUntil([&] { return Text(w.host) == L"A"; }));
    DragInList(w.list, OnItem(2), {30, -12});
    EXPECT_TRUE(WaitUntil([&] { return Text(w.host) == L"B"; }));
    EXPECT_EQ(ListItems(w.list), (std::vector<std::wstring>{c, a, b, d}));
    EXPECT_EQ(ListSelection(w.list), 2);

    // Released on the list below its last entry, the entry goes to the end and nothing stays
    // selected; the entry that plays does not change.
    DragInList(w.list, OnItem(0), {30, 4 * kItem + 40});
    EXPECT_TRUE(WaitUntil([&] { return ListItems(w.list) == std::vector<std::wstring>{a, b, d, c}; }));
    EXPECT_EQ(ListSelection(w.list), -1);
    EXPECT_EQ(Text(w.host), L"C");
    EXPECT_TRUE(WaitUntil([&] { return sandbox.SaverRuns(L"C").size() == 2; }))
        << "pressed while not current, it plays";
}

namespace {

// Whether the screen shows the window text colour at a point of a window's client area: the
// drop line, where the rows have only their background.
bool DarkAt(HWND window, POINT client) {
    ClientToScreen(window, &client);
    const HDC screen = GetDC(nullptr);
    const COLORREF pixel = GetPixel(screen, client.x, client.y);
    ReleaseDC(nullptr, screen);
    return pixel == GetSysColor(COLOR_WINDOWTEXT);
}

}  // namespace

// While an entry is dragged, a line between the rows shows where it will land: above the row it
// is over when it moves up, below it when it moves down; nowhere off the list.
TEST(Selection, ADragShowsALineWhereTheEntryWillLand) {
    Sandbox sandbox;
    std::vector<std::wstring> savers;
    for (const wchar_t* name : {L"A", L"B", L"C", L"D"}) savers.push_back(sandbox.CopyLogSaver(name));
    player::Settings settings;
    settings.playlist = {20, 500};  // clear of the other windows, so the pointer reaches the list
    player::Windows w = player::StartPlayer(sandbox, settings, savers);
    ASSERT_TRUE(WaitUntil([&] { return IsShown(w.playlist); }));
    SetForegroundWindow(w.playlist);
    RECT list{};
    GetClientRect(w.list, &list);
    const int x = list.right - 3;  // right of every row's text
    const POINT aboveFirst{x, 0}, belowLast{x, 4 * kItem - 1}, betweenFirstTwo{x, kItem - 1};

    PressInClient(w.list, OnItem(2));
    ASSERT_TRUE(WaitUntil([&] { return ListSelection(w.list) == 2; }));
    EXPECT_FALSE(DarkAt(w.list, aboveFirst));
    MoveInClient(w.list, {OnItem(2).x, OnItem(2).y + 8});
    MoveInClient(w.list, OnItem(0));
    EXPECT_TRUE(WaitUntil([&] { return DarkAt(w.list, aboveFirst); })) << "no line above the first row";
    MoveInClient(w.list, OnItem(3));
    EXPECT_TRUE(WaitUntil([&] { return DarkAt(w.list, belowLast) && !DarkAt(w.list, aboveFirst); }))
        << "no line below the last row, or the first one stayed";
    MoveInClient(w.list, {x, list.bottom + 40});
    EXPECT_TRUE(WaitUntil([&] { return !DarkAt(w.list, belowLast); })) << "a line off the list";
    MoveInClient(w.list, OnItem(1));
    EXPECT_TRUE(WaitUntil([&] { return DarkAt(w.list, betweenFirstTwo); }));
    ReleaseInClient(w.list, OnItem(1));
    EXPECT_TRUE(WaitUntil([&] {
        return ListItems(w.list) == std::vector<std::wstring>{savers[0], savers[2], savers[1], savers[3]};
    }));
    EXPECT_TRUE(WaitUntil([&] { return !DarkAt(w.list, betweenFirstTwo); })) << "the line outlived the drop";
}
