// A playlist window closed before quitting and a maximised host window: both saved as they are
// and both back that way at the next start.
#include <gtest/gtest.h>

#include "files_support.h"
#include "player/PlayerBarIds.h"
#include "playlist/PlaylistWindowIds.h"

using namespace e2e;

TEST(Settings, AClosedPlaylistWindowAndAMaximisedHostAreSavedAndComeBackSo) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    WriteFileBytes(sandbox.PathOf(L"myList.spls"), ToAnsi(a) + "\r\n");
    player::Windows w = player::WaitForPlayer(sandbox.StartProgram().Id());
    player::WaitForPreviewRun(sandbox, L"A", 1);

    // Closing the playlist window only hides it; the help text inside it was never touched.
    Post(w.playlist, WM_CLOSE);
    Post(w.host, WM_SYSCOMMAND, SC_MAXIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return !IsShown(w.playlist) && IsZoomed(w.host); }));

    player::Settings expected;
    const RECT host = WindowRect(w.host);
    expected.host = {host.left, host.top};
    expected.hostClient = ClientSize(w.host);
    const RECT bar = WindowRect(w.bar);
    expected.bar = {bar.left, bar.top};
    expected.playlistShown = false;
    const RECT playlist = WindowRect(w.playlist);
    expected.playlist = {playlist.left, playlist.top};
    expected.playlistClient = ClientSize(w.playlist);
    expected.selected = 0;
    expected.interval = 4;
    expected.helpText = true;
    expected.hostMaximized = true;
    expected.placement = 3;
    expected.dpi = 96;
    ASSERT_TRUE(files::Closed(w));
    const std::string config = player::ConfigText(expected, a);
    EXPECT_EQ(ReadFileBytes(sandbox.PathOf(L"config.cfg")), config);

    w = player::WaitForPlayer(sandbox.StartProgram().Id());
    EXPECT_TRUE(WaitUntil([&] { return IsZoomed(w.host) != FALSE; }));
    EXPECT_FALSE(IsShown(w.playlist));
    EXPECT_TRUE(IsShown(FindControl(w.bar, vr::PlayerBarId::Button7)))
        << "\"Playlist...\" stands for the closed window";
    // Opened again, the playlist window shows its help text as before.
    Click(FindControl(w.bar, vr::PlayerBarId::Button7));
    EXPECT_TRUE(WaitUntil([&] { return IsShown(w.playlist); }));
    EXPECT_TRUE(IsShown(FindControl(w.playlist, vr::PlaylistWindowId::Memo1)));
}
