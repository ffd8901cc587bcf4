// The player's three windows keep their layout at every display scale: at a first start the
// layout's figures grow with the windows, and places saved at one scale come back at another with
// the windows' relations kept. Wine takes a program's DPI from the user's LogPixels when it starts.
#include <gtest/gtest.h>

#include <string>

#include "dpi_support.h"
#include "files_support.h"

using namespace e2e;

namespace {

bool Overlap(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// No window lies over another, and the playlist window shows every control its first-start size
// shows at 96 DPI, whole.
void ExpectLayoutHolds(const player::Windows& w) {
    const RECT bar = WindowRect(w.bar), host = WindowRect(w.host), playlist = WindowRect(w.playlist);
    EXPECT_FALSE(Overlap(bar, host)) << "the host window lies over the bar";
    EXPECT_FALSE(Overlap(bar, playlist)) << "the playlist window lies over the bar";
    EXPECT_FALSE(Overlap(host, playlist)) << "the host window lies over the playlist window";
    const SIZE client = ClientSize(w.playlist);
    for (int id : dpi::PlaylistControlsOfTheDefaultSize()) {
        const RECT r = dpi::InClient(w.playlist, id);
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.cx && r.bottom <= client.cy)
            << "control " << id << " is cut: " << r.left << "," << r.top << " - " << r.right << ","
            << r.bottom << " in a client area of " << client.cx << " x " << client.cy;
    }
}

player::Windows Start(Sandbox& sandbox) {
    player::Windows w = player::WaitForPlayer(sandbox.StartProgram().Id());
    EXPECT_TRUE(WaitUntil([&] { return IsShown(w.playlist); }));
    return w;
}

}  // namespace

TEST(LayoutScale, FirstStartAndAStartAfterAChangeOfScaleKeepTheLayout) {
    for (const auto& [first, second] : {std::pair{96, 144}, std::pair{144, 96}}) {
        SCOPED_TRACE("from " + std::to_string(first) + " to " + std::to_string(second) + " DPI");
        dpi::LogPixels logPixels(static_cast<DWORD>(first));
        Sandbox sandbox;
        WriteFileBytes(sandbox.PathOf(L"myList.spls"), ToAnsi(sandbox.CopyLogSaver(L"Calm")) + "\r\n");
        player::Windows w = Start(sandbox);
        ExpectLayoutHolds(w);

        // The user docks the host right under the bar, then quits.
        const RECT bar = WindowRect(w.bar);
        SetWindowPos(w.host, nullptr, bar.left, bar.bottom, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_EQ(WindowRect(w.host).top, bar.bottom);
        const SIZE playlistClient = ClientSize(w.playlist);
        ASSERT_TRUE(files::Closed(w));

        logPixels.Set(static_cast<DWORD>(second));
        w = Start(sandbox);
        ExpectLayoutHolds(w);
        const RECT barNow = WindowRect(w.bar), hostNow = WindowRect(w.host);
        EXPECT_EQ(hostNow.top, barNow.bottom) << "the host is no longer docked under the bar";
        EXPECT_EQ(hostNow.left, barNow.left);
        EXPECT_EQ(ClientSize(w.playlist).cx, MulDiv(playlistClient.cx, second, first));
        ASSERT_TRUE(files::Closed(w));
    }
}
