// Closing the player bar writes "config.cfg" and "myList.spls" from the windows as they stand;
// the next start puts everything back.
#include <gtest/gtest.h>

#include "SystemMenu.h"
#include "files_support.h"
#include "playlist/PlaylistWindowIds.h"

using namespace e2e;
namespace ids = vr::PlaylistWindowId;

namespace {

constexpr int kEvery3Minutes = 7;
constexpr int kSize320x240 = 2;
constexpr int kUsePlayerWindow = 2;  // the placement choice's value in the settings

// Far from the screen's edges and from each other, so snapping leaves them where they are put;
// also while the start-up sequence applies left, top and size one after the other, with the
// playlist window still at its creation size (630 x 529) when its left is set.
constexpr POINT kBarAt{420, 60};
constexpr POINT kPlaylistAt{40, 400};
constexpr SIZE kPlaylistOuter{530, 430};
constexpr POINT kHostAt{760, 420};

POINT TopLeft(HWND window) {
    const RECT r = WindowRect(window);
    return {r.left, r.top};
}

void MoveTo(HWND window, POINT at) {
    SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Checked(HWND button) { return Send(button, BM_GETCHECK) == BST_CHECKED; }

}  // namespace

TEST(Settings, ClosingWritesBothFilesAndTheNextStartRestoresWindowsIntervalSelectionAndHelpText) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    const std::wstring b = sandbox.CopyLogSaver(L"B");
    const std::wstring c = sandbox.CopyLogSaver(L"C");
    // No "config.cfg": the first run takes the defaults, then the user rearranges everything.
    WriteFileBytes(sandbox.PathOf(L"myList.spls"),
                   ToAnsi(a) + "\r\n" + ToAnsi(b) + "\r\n" + ToAnsi(c) + "\r\n");
    player::Windows w = player::WaitForPlayer(sandbox.StartProgram().Id());
    player::WaitForPreviewRun(sandbox, L"A", 1);

    SelectComboItem(w.sizeCombo, kSize320x240);
    MoveTo(w.host, kHostAt);
    MoveTo(w.bar, kBarAt);
    SetWindowPos(w.playlist, nullptr, kPlaylistAt.x, kPlaylistAt.y, kPlaylistOuter.cx, kPlaylistOuter.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SelectComboItem(w.timeCombo, kEvery3Minutes);
    SelectListItem(w.list, 2);
    HWND memo = FindControl(w.playlist, ids::Memo1);
    Post(memo, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 20));
    Click(FindControl(w.playlist, ids::RadioButton2));
    ChooseSystemMenuItemByKeyboard(w.bar, 2);  // "One screensaver across all monitors", before the last
    ASSERT_TRUE(WaitUntil([] { return !IsShown(FindWindowW(L"#32768", nullptr)); }))
        << "the menu stayed open";
    player::WaitForPreviewRun(sandbox, L"C", 1);
    ASSERT_TRUE(WaitUntil([&] { return !IsShown(memo); }));

    player::Settings expected;
    expected.host = kHostAt;
    expected.hostClient = {320, 240};
    expected.bar = kBarAt;
    expected.playlistShown = true;
    expected.playlist = kPlaylistAt;
    expected.playlistClient = ClientSize(w.playlist);
    expected.selected = 2;
    expected.interval = kEvery3Minutes;
    expected.helpText = false;
    expected.hostMaximized = false;
    expected.placement = kUsePlayerWindow;
    expected.dpi = 96;
    expected.oneSaverAcrossMonitors = true;
    ASSERT_EQ(TopLeft(w.host).x, kHostAt.x);
    ASSERT_EQ(TopLeft(w.host).y, kHostAt.y);
    ASSERT_EQ(TopLeft(w.bar).x, kBarAt.x);
    ASSERT_EQ(TopLeft(w.bar).y, kBarAt.y);
    ASSERT_EQ(TopLeft(w.playlist).x, kPlaylistAt.x);
    ASSERT_EQ(TopLeft(w.playlist).y, kPlaylistAt.y);
    ASSERT_EQ(ClientSize(w.host).cx, 320);
    ASSERT_EQ(ClientSize(w.host).cy, 240);

    ASSERT_TRUE(files::Closed(w));
    const std::string config = player::ConfigText(expected, c);
    EXPECT_EQ(ReadFileBytes(sandbox.PathOf(L"config.cfg")), config);
    EXPECT_EQ(ReadFileBytes(sandbox.PathOf(L"myList.spls")),
              ToAnsi(a) + "\r\n" + ToAnsi(b) + "\r\n" + ToAnsi(c) + "\r\n");

    w = player::WaitForPlayer(sandbox.StartProgram().Id());
    player::WaitForPreviewRun(sandbox, L"C", 2);
    EXPECT_EQ(TopLeft(w.host).x, kHostAt.x);
    EXPECT_EQ(TopLeft(w.host).y, kHostAt.y);
    EXPECT_EQ(ClientSize(w.host).cx, 320);
    EXPECT_EQ(ClientSize(w.host).cy, 240);
    EXPECT_EQ(TopLeft(w.bar).x, kBarAt.x);
    EXPECT_EQ(TopLeft(w.bar).y, kBarAt.y);
    EXPECT_EQ(TopLeft(w.playlist).x, kPlaylistAt.x);
    EXPECT_EQ(TopLeft(w.playlist).y, kPlaylistAt.y);
    EXPECT_EQ(ClientSize(w.playlist).cx, expected.playlistClient.cx);
    EXPECT_EQ(ClientSize(w.playlist).cy, expected.playlistClient.cy);
    EXPECT_TRUE(IsShown(w.playlist));
    EXPECT_EQ(ComboSelection(w.timeCombo), kEvery3Minutes);
    EXPECT_EQ(ListSelection(w.list), 2);
    EXPECT_EQ(Text(w.host), L"C");
    EXPECT_FALSE(IsShown(FindControl(w.playlist, ids::Memo1)));
    EXPECT_TRUE(Checked(FindControl(w.playlist, ids::RadioButton2)));
    EXPECT_FALSE(Checked(FindControl(w.playlist, ids::RadioButton3)));

    // Nothing changed in between, so the second close writes the same bytes again: the monitors'
    // choice too, which only the bar's menu holds.
    ASSERT_TRUE(files::Closed(w));
    EXPECT_EQ(ReadFileBytes(sandbox.PathOf(L"config.cfg")), config);
    EXPECT_EQ(sandbox.SaverRuns(L"C").size(), 2u);
}

// The first start docks the three windows: the bar on the host, the playlist window on the bar's
// left, their tops aligned; a restart puts the same rectangles back. Windows put back at start
// snap against the places the others will take, not the ones they were created at: the host and
// the bar here lie within the snap distance of the playlist window's left edge at its creation.
TEST(Settings, TheFirstStartDocksAndPlacesComeBackExactlyAtEveryRestart) {
    Sandbox sandbox;
    WriteFileBytes(sandbox.PathOf(L"myList.spls"), ToAnsi(sandbox.CopyLogSaver(L"A")) + "\r\n");
    player::Windows w = player::WaitForPlayer(sandbox.StartProgram().Id());
    player::WaitForPreviewRun(sandbox, L"A", 1);
    const RECT bar = WindowRect(w.bar), host = WindowRect(w.host), list = WindowRect(w.playlist);
    EXPECT_EQ(bar.bottom, host.top);
    EXPECT_EQ(list.right, bar.left);
    EXPECT_EQ(list.top, bar.top);
    ASSERT_TRUE(files::Closed(w));
    w = player::WaitForPlayer(sandbox.StartProgram().Id());
    player::WaitForPreviewRun(sandbox, L"A", 2);
    for (const auto& [window, first] : {std::pair{w.bar, bar}, {w.host, host}, {w.playlist, list}}) {
        const RECT again = WindowRect(window);
        EXPECT_TRUE(EqualRect(&first, &again)) << ClassName(window);
    }

    constexpr POINT kHost{641, 420}, kBar{641, 300}, kPlaylist{20, 100};
    MoveTo(w.host, kHost);
    MoveTo(w.bar, kBar);
    MoveTo(w.playlist, kPlaylist);
    ASSERT_EQ(TopLeft(w.host).x, kHost.x);
    ASSERT_EQ(TopLeft(w.bar).y, kBar.y);
    ASSERT_EQ(TopLeft(w.playlist).x, kPlaylist.x);
    for (int restart = 1; restart <= 2; ++restart) {
        SCOPED_TRACE(restart);
        ASSERT_TRUE(files::Closed(w));
        w = player::WaitForPlayer(sandbox.StartProgram().Id());
        for (const auto& [window, place] :
             {std::pair{w.host, kHost}, {w.bar, kBar}, {w.playlist, kPlaylist}}) {
            EXPECT_EQ(TopLeft(window).x, place.x) << ClassName(window);
            EXPECT_EQ(TopLeft(window).y, place.y) << ClassName(window);
        }
    }
    ASSERT_TRUE(files::Closed(w));
}
