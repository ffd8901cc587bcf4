// Desktop wallpaper mode with the shell's desktop as Windows has it: a virtual screen whose origin
// lies left of and above the primary monitor, and a shell that ends (a crash, or its restart).
#include <gtest/gtest.h>

#include "Player.h"
#include "wallpaper_support.h"

using namespace e2e;

namespace {

// The icon view reaches 300 pixels left of and 200 above the primary monitor's corner.
constexpr POINT kVirtualOrigin{-300, -200};

Process& StartWallpaper(Sandbox& sandbox, const std::wstring& fileName, const wallpaper::Header& header,
                        const std::wstring& saver) {
    const std::wstring file = sandbox.PathOf(fileName);
    WriteFileBytes(file, wallpaper::ScfgText(header, {saver}));
    return sandbox.StartProgram(L"\"" + file + L"\"");
}

POINT TopLeft(HWND window) {
    const RECT r = WindowRect(window);
    return {r.left, r.top};
}

bool operator==(POINT a, POINT b) { return a.x == b.x && a.y == b.y; }

}  // namespace

TEST(WallpaperMode, AVirtualScreenLeftOfAndAboveThePrimaryMonitorPlacesHostsAtTheirScreenPositions) {
    Sandbox sandbox;
    HWND iconView = wallpaper::StartDesktop(sandbox, kVirtualOrigin);
    const std::wstring saver = sandbox.CopyLogSaver(L"Wall");
    WriteFileBytes(sandbox.PathOf(L"config.cfg"), player::ConfigText({}));
    WriteFileBytes(sandbox.PathOf(L"myList.spls"), "");
    // One on the primary monitor; one over the whole desktop, as "Use whole desktop workarea"
    // saves it from the desktop's window rectangle.
    const RECT desktop = WindowRect(Parent(iconView));
    const int desktopWidth = desktop.right - desktop.left;
    const int desktopHeight = desktop.bottom - desktop.top;
    Process& onPrimary = StartWallpaper(sandbox, L"primary.scfg", {40, 30, 300, 200, 3}, saver);
    Process& whole = StartWallpaper(sandbox, L"whole.scfg",
                                    {desktop.left, desktop.top, desktopWidth, desktopHeight, 3}, saver);

    HWND primaryHost = wallpaper::WaitForEmbeddedHost(iconView, onPrimary.Id());
    HWND wholeHost = wallpaper::WaitForEmbeddedHost(iconView, whole.Id());
    ASSERT_NE(primaryHost, nullptr);
    ASSERT_NE(wholeHost, nullptr);
    player::WaitForPreviewRun(sandbox, L"Wall", 2);
    EXPECT_TRUE(TopLeft(primaryHost) == (POINT{40, 30}));
    EXPECT_TRUE(wallpaper::PlaceInParent(primaryHost) == (POINT{340, 230}));
    EXPECT_EQ(ClientSize(primaryHost).cx, 300);
    EXPECT_EQ(ClientSize(primaryHost).cy, 200);
    EXPECT_TRUE(TopLeft(wholeHost) == (POINT{desktop.left, desktop.top}));
    EXPECT_TRUE(wallpaper::PlaceInParent(wholeHost) == (POINT{0, 0}));
    EXPECT_EQ(ClientSize(wholeHost).cx, desktopWidth);
    EXPECT_EQ(ClientSize(wholeHost).cy, desktopHeight);
}

TEST(WallpaperMode, AnInstanceEndsCleanlyWhenTheShellTakesItsDesktopAway) {
    Sandbox sandbox;
    HWND iconView = wallpaper::StartDesktop(sandbox);
    const std::wstring saver = sandbox.CopyLogSaver(L"Wall");
    const std::string settings = "hand-written settings\r\n";
    WriteFileBytes(sandbox.PathOf(L"config.cfg"), settings);
    WriteFileBytes(sandbox.PathOf(L"myList.spls"), "");
    Process& program = StartWallpaper(sandbox, L"wall.scfg", {}, saver);
    ASSERT_NE(wallpaper::WaitForEmbeddedHost(iconView, program.Id()), nullptr);
    const SaverRun run = player::WaitForPreviewRun(sandbox, L"Wall", 1);

    // The shell goes, and its icon view with the host window embedded in it; Wine does not tell the
    // host. Then the shell starts again, as Windows restarts it.
    ASSERT_TRUE(KillProcess(OwnerProcess(iconView)));
    wallpaper::StartDesktop(sandbox);
    EXPECT_EQ(program.WaitForExit(), 0u) << "the instance runs on without a window";
    EXPECT_TRUE(WaitUntil([&] { return !ProcessRunning(run.processId); })) << "its preview runs on";
    EXPECT_EQ(ReadFileBytes(sandbox.PathOf(L"config.cfg")), settings);
}
