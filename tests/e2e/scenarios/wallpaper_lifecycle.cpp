// Desktop wallpaper mode around the embedding: no desktop to embed in, a playlist that is not
// there, and an instance that ends without writing anything.
#include <gtest/gtest.h>

#include "player/PlayerBarIds.h"
#include "Dialogs.h"
#include "Player.h"
#include "wallpaper_support.h"

using namespace e2e;

TEST(WallpaperMode, WithoutTheDesktopTheHostIsAnOrdinaryTopLevelWindowAtTheFilesPlace) {
    Sandbox sandbox;
    const std::wstring saver = sandbox.CopyLogSaver(L"Wall");
    const std::wstring file = sandbox.PathOf(L"wall.scfg");
    WriteFileBytes(file, wallpaper::ScfgText({60, 70, 300, 200, 1}, {saver}));
    WriteFileBytes(sandbox.PathOf(L"config.cfg"), player::ConfigText({}));
    WriteFileBytes(sandbox.PathOf(L"myList.spls"), "");
    Process& program = sandbox.StartProgram(L"\"" + file + L"\"");

    player::WaitForPreviewRun(sandbox, L"Wall", 1);
    HWND host = FindTopWindow(program.Id(), L"TfrmSVDActive");
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(Parent(host), nullptr);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(host, GWL_STYLE));
    EXPECT_EQ(style & WS_CHILD, 0u);
    EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
    EXPECT_EQ(WindowRect(host).left, 60);
    EXPECT_EQ(WindowRect(host).top, 70);
    EXPECT_EQ(ClientSize(host).cx, 300);
    EXPECT_EQ(ClientSize(host).cy, 200);
    EXPECT_EQ(Text(host), L"DesktopWallpaperMode");
}

TEST(WallpaperMode, MissingPlaylistShowsTheOpenErrorAndThePlayerKeepsRunning) {
    Sandbox sandbox;
    HWND iconView = wallpaper::StartDesktop(sandbox);
    const std::wstring missing = sandbox.PathOf(L"gone.scfg");
    player::Settings settings;
    settings.host = {150, 160};
    settings.hostClient = {280, 190};
    WriteFileBytes(sandbox.PathOf(L"config.cfg"), player::ConfigText(settings));
    WriteFileBytes(sandbox.PathOf(L"myList.spls"), "");
    Process& program = sandbox.StartProgram(L"\"" + missing + L"\"");

    HWND box = WaitForDialog(program.Id());
    ASSERT_NE(box, nullptr) << "no error box";
    EXPECT_EQ(Text(box), L"Veilrunner");
    const auto texts = StaticTexts(box);
    const std::wstring expected = L"Datei " + missing + L" kann nicht ge\u00f6ffnet werden. ";
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back().substr(0, expected.size()), expected) << ToUtf8(texts.back());
    PressOk(box);

    // The host window stays embedded where the settings put it; the bar remains.
    HWND host = wallpaper::WaitForEmbeddedHost(iconView, program.Id());
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(wallpaper::PlaceInParent(host).x, 150);
    EXPECT_EQ(wallpaper::PlaceInParent(host).y, 160);
    EXPECT_EQ(ClientSize(host).cx, 280);
    HWND bar = FindTopWindow(program.Id(), L"TfrmSVDOptions");
    EXPECT_TRUE(WaitUntilNoDialog(program.Id()));
    // Placing the host started the start timer: with nothing to play, its firing leaves the bar.
    HWND sizes = FindControl(bar, vr::PlayerBarId::ResolutionCombo);
    EXPECT_TRUE(WaitUntil([&] { return ComboItems(sizes).at(0) == L"280 x 190"; }));
    EXPECT_TRUE(IsShown(bar));
    EXPECT_TRUE(program.Running());
}

TEST(WallpaperMode, EndsWithoutWritingSettingsOrPlaylist) {
    Sandbox sandbox;
    HWND iconView = wallpaper::StartDesktop(sandbox);
    const std::wstring saver = sandbox.CopyLogSaver(L"Wall");
    const std::wstring file = sandbox.PathOf(L"wall.scfg");
    WriteFileBytes(file, wallpaper::ScfgText({}, {saver}));
    // Bytes the player would never write itself: another title line, no final line end.
    const std::string settings = "hand-written settings\r\n";
    const std::string playlist = ToAnsi(saver);
    WriteFileBytes(sandbox.PathOf(L"config.cfg"), settings);
    WriteFileBytes(sandbox.PathOf(L"myList.spls"), playlist);
    Process& program = sandbox.StartProgram(L"\"" + file + L"\"");
    HWND host = wallpaper::WaitForEmbeddedHost(iconView, program.Id());
    ASSERT_NE(host, nullptr);
    player::WaitForPreviewRun(sandbox, L"Wall", 1);

    // As "Close" of another instance does.
    Send(host, WM_CLOSE);
    ASSERT_EQ(program.WaitForExit(), 0u);
    EXPECT_EQ(ReadFileBytes(sandbox.PathOf(L"config.cfg")), settings);
    EXPECT_EQ(ReadFileBytes(sandbox.PathOf(L"myList.spls")), playlist);
}
