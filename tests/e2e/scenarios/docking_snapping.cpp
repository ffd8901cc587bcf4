// Edge snapping of the player bar, the host window and the playlist window, in the real program.
#include <gtest/gtest.h>

#include "docking_support.h"

namespace {

using docking::MoveWindowTo;
using docking::TopLeft;

struct NamedWindow {
    const char* name;
    HWND window;
};

TEST(DockingSnap, WindowMovedNearTheScreensLeftEdgeLandsOnIt) {
    e2e::Sandbox sandbox;
    const docking::PlayerHandles player = docking::StartPlayer(sandbox);
    for (const NamedWindow& w :
         {NamedWindow{"player bar", player.bar}, NamedWindow{"host window", player.host},
          NamedWindow{"playlist window", player.playlist}}) {
        SCOPED_TRACE(w.name);
        const docking::Place home = TopLeft(w.window);
        MoveWindowTo(w.window, 8, home.y);
        EXPECT_EQ(TopLeft(w.window).x, 0);
        EXPECT_EQ(TopLeft(w.window).y, home.y);
        // Back where no edge is near, so the next window meets only the screen's edge.
        MoveWindowTo(w.window, home.x, home.y);
        ASSERT_EQ(TopLeft(w.window).x, home.x);
    }
}

TEST(DockingSnap, RightEdgePullsFromNineButNotFromTenPixels) {
    e2e::Sandbox sandbox;
    const docking::PlayerHandles player = docking::StartPlayer(sandbox);
    const int width = docking::OuterSize(player.bar).cx;
    const int screenWidth = docking::ScreenSize().cx;
    const int top = TopLeft(player.bar).y;

    MoveWindowTo(player.bar, screenWidth - width - 9, top);
    EXPECT_EQ(TopLeft(player.bar).x, screenWidth - width);

    MoveWindowTo(player.bar, screenWidth - width - 10, top);
    EXPECT_EQ(TopLeft(player.bar).x, screenWidth - width - 10);
}

HWND ButtonWithCaption(HWND parent, const wchar_t* caption) {
    for (HWND child : e2e::Descendants(parent))
        if (e2e::Text(child) == caption) return child;
    return nullptr;
}

TEST(DockingSnap, NudgeOffTheEdgeIsPulledBack) {
    e2e::Sandbox sandbox;
    const docking::PlayerHandles player = docking::StartPlayer(sandbox);
    const HWND nudgeLeft = ButtonWithCaption(player.bar, L"<");
    ASSERT_NE(nudgeLeft, nullptr);
    ASSERT_FALSE(e2e::IsShown(nudgeLeft));
    // The banner (88 x 31 at 7, 7 of the bar's client area) gives way to the nudge buttons.
    e2e::ClickInClient(player.bar, {7 + 44, 7 + 15});
    ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::IsShown(nudgeLeft); }));

    // Away from every edge a nudge moves the host window by 5 pixels.
    const docking::Place home = TopLeft(player.host);
    e2e::Click(nudgeLeft);
    EXPECT_EQ(TopLeft(player.host).x, home.x - 5);

    // On the screen's left edge the nudge's request of -5 is pulled back onto it.
    MoveWindowTo(player.host, 8, home.y);
    ASSERT_EQ(TopLeft(player.host).x, 0);
    e2e::Click(nudgeLeft);
    EXPECT_EQ(TopLeft(player.host).x, 0);
    EXPECT_EQ(TopLeft(player.host).y, home.y);
}

TEST(DockingSnap, AMaximisedHostIsLeftWhereTheSystemPutsIt) {
    e2e::Sandbox sandbox;
    const docking::PlayerHandles player = docking::StartPlayer(sandbox);
    e2e::Send(player.host, WM_SYSCOMMAND, SC_MAXIMIZE);
    ASSERT_TRUE(IsZoomed(player.host));

    // Its borders lie past the screen's edges, so its client area spans the screen's width.
    POINT client{0, 0};
    ClientToScreen(player.host, &client);
    EXPECT_LT(TopLeft(player.host).x, 0);
    EXPECT_EQ(client.x, 0);
    EXPECT_EQ(e2e::ClientSize(player.host).cx, docking::ScreenSize().cx);

    // Restored, it snaps again as before.
    e2e::Send(player.host, WM_SYSCOMMAND, SC_RESTORE);
    ASSERT_FALSE(IsZoomed(player.host));
    MoveWindowTo(player.host, 6, 300);
    EXPECT_EQ(TopLeft(player.host), (docking::Place{0, 300}));
}

TEST(DockingSnap, WallpaperModeLeavesPositionsNearEdgesAlone) {
    e2e::Sandbox sandbox;
    sandbox.StartFakeDesktop();
    HWND iconView = nullptr;
    ASSERT_TRUE(e2e::WaitUntil([&] {
        const HWND desktop = FindWindowW(L"Progman", nullptr);
        iconView = desktop ? FindWindowExW(desktop, nullptr, L"SHELLDLL_DefView", nullptr) : nullptr;
        return iconView != nullptr;
    }));
    const std::wstring saver = sandbox.CopyLogSaver(L"Wall");
    const std::wstring list = sandbox.PathOf(L"corner.scfg");
    // Header: x 3, y 3, client 200 x 150, interval item 0 ("Change manually"); then the entry.
    e2e::WriteFileBytes(list, "3\r\n3\r\n200\r\n150\r\n0\r\n" + e2e::ToAnsi(saver) + "\r\n");
    const DWORD id = sandbox.StartProgram(L"\"" + list + L"\"").Id();

    HWND host = nullptr;
    ASSERT_TRUE(e2e::WaitUntil([&] {
        host = FindWindowExW(iconView, nullptr, L"TfrmSVDActive", nullptr);
        return host != nullptr && e2e::Text(host) == L"DesktopWallpaperMode";
    }));
    const auto placeInIconView = [&] {
        POINT corner = {e2e::WindowRect(host).left, e2e::WindowRect(host).top};
        ScreenToClient(iconView, &corner);
        return docking::Place{corner.x, corner.y};
    };
    EXPECT_EQ(placeInIconView(), (docking::Place{3, 3}));
    // A move of the embedded window, counted from the icon view, is not pulled either.
    MoveWindowTo(host, 4, 3);
    EXPECT_EQ(placeInIconView(), (docking::Place{4, 3}));

    const HWND bar = e2e::WaitForTopWindow(id, L"TfrmSVDOptions");
    const HWND playlist = e2e::WaitForTopWindow(id, L"TForm1");
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(playlist, nullptr);
    MoveWindowTo(bar, 3, 200);
    EXPECT_EQ(TopLeft(bar).x, 3);
    MoveWindowTo(playlist, 300, 3);
    EXPECT_EQ(TopLeft(playlist).y, 3);
}

}  // namespace
