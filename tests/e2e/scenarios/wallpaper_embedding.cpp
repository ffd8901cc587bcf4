// A desktop wallpaper mode playlist given at start embeds the host window in the desktop's icon
// view, at the file's place and size, with the file's interval.
#include <gtest/gtest.h>

#include "hosting/HostWindowIds.h"
#include "player/PlayerBarIds.h"
#include "Player.h"
#include "wallpaper_support.h"

using namespace e2e;

namespace {

struct Embedded {
    DWORD processId = 0;
    HWND host = nullptr;
    HWND bar = nullptr;
};

// Starts the player with a playlist file of this name placed at 40, 30 with a client area of
// 300 x 200 and interval item 3, and checks everything the mode shows from the outside.
void ExpectEmbeddedForName(const std::wstring& fileName,
                           DesktopLayout layout = DesktopLayout::IconViewInProgman) {
    Sandbox sandbox;
    HWND iconView = wallpaper::StartDesktop(sandbox, {0, 0}, layout);
    const std::wstring saver = sandbox.CopyLogSaver(L"Wall");
    const std::wstring file = sandbox.PathOf(fileName);
    WriteFileBytes(file, wallpaper::ScfgText({40, 30, 300, 200, 3}, {saver}));
    WriteFileBytes(sandbox.PathOf(L"config.cfg"), player::ConfigText({}));
    WriteFileBytes(sandbox.PathOf(L"myList.spls"), "");
    Process& program = sandbox.StartProgram(L"\"" + file + L"\"");

    HWND host = wallpaper::WaitForEmbeddedHost(iconView, program.Id());
    ASSERT_NE(host, nullptr) << "no host window inside the icon view";
    // The preview runs inside the embedded pane.
    const SaverRun run = player::WaitForPreviewRun(sandbox, L"Wall", 1);
    EXPECT_EQ(GetWindowLongPtrW(host, GWL_STYLE), static_cast<LONG_PTR>(WS_CHILD | WS_VISIBLE));
    EXPECT_EQ(Parent(host), iconView);
    HWND pane = FindControl(host, vr::HostWindowId::p1);
    EXPECT_EQ(run.Parent(), pane);
    EXPECT_TRUE(run.childOfParent);

    const POINT place = wallpaper::PlaceInParent(host);
    EXPECT_EQ(place.x, 40);
    EXPECT_EQ(place.y, 30);
    const SIZE client = ClientSize(host);
    EXPECT_EQ(client.cx, 300);
    EXPECT_EQ(client.cy, 200);
    EXPECT_EQ(Text(host), L"DesktopWallpaperMode");

    HWND bar = FindTopWindow(program.Id(), L"TfrmSVDOptions");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(ComboSelection(FindControl(bar, vr::PlayerBarId::TimeCombo)), 3);
    // Only the embedded window remains: the bar hides before the preview starts, the playlist
    // window is never shown, and the program has no taskbar button even while the bar shows.
    EXPECT_FALSE(GetWindowLongPtrW(bar, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_FALSE(IsWindowVisible(GetWindow(bar, GW_OWNER)));
    EXPECT_TRUE(WaitUntil([&] { return !IsShown(bar); }));
    EXPECT_FALSE(IsShown(FindTopWindow(program.Id(), L"TForm1")));
}

}  // namespace

TEST(WallpaperMode, ScfgArgumentEmbedsTheHostWindowAtTheFilesPlace) { ExpectEmbeddedForName(L"wall.scfg"); }

TEST(WallpaperMode, ScfgInCapitalsSelectsTheMode) { ExpectEmbeddedForName(L"WALL.SCFG"); }

TEST(WallpaperMode, ScfArgumentSelectsTheMode) { ExpectEmbeddedForName(L"WALL~1.SCF"); }

TEST(WallpaperMode, BareNameScfgSelectsTheMode) { ExpectEmbeddedForName(L"scfg"); }

// Where a program has had the wallpaper drawn on a layer of its own, the icon view is in a
// "WorkerW" window, not in "Progman"; the host belongs there, not floating over other programs.
TEST(WallpaperMode, EmbedsInTheIconViewThatAWorkerWHolds) {
    ExpectEmbeddedForName(L"wall.scfg", DesktopLayout::IconViewInWorkerW);
}
