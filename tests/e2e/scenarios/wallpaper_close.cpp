// "Close" in the playlist window of an ordinary instance ends every player embedded in the
// desktop, one after the other.
#include <gtest/gtest.h>

#include <chrono>

#include "Player.h"
#include "hosting/HostWindowIds.h"
#include "playlist/PlaylistWindowIds.h"
#include "wallpaper_support.h"

using namespace e2e;

TEST(WallpaperClose, EndsTwoEmbeddedPlayersAtTheirOwnPlacesOneAfterTheOther) {
  Sandbox sandbox;
  HWND iconView = wallpaper::StartDesktop(sandbox);
  const std::wstring saverA = sandbox.CopyLogSaver(L"WallA");
  const std::wstring saverB = sandbox.CopyLogSaver(L"WallB");
  WriteFileBytes(sandbox.PathOf(L"a.scfg"), wallpaper::ScfgText({10, 20, 200, 150, 0}, {saverA}));
  WriteFileBytes(sandbox.PathOf(L"b.scfg"), wallpaper::ScfgText({300, 250, 160, 120, 0}, {saverB}));
  WriteFileBytes(sandbox.PathOf(L"config.cfg"), player::ConfigText({}));
  WriteFileBytes(sandbox.PathOf(L"myList.spls"), "");
  Process& a = sandbox.StartProgram(L"\"" + sandbox.PathOf(L"a.scfg") + L"\"");
  Process& b = sandbox.StartProgram(L"\"" + sandbox.PathOf(L"b.scfg") + L"\"");
  HWND hostA = wallpaper::WaitForEmbeddedHost(iconView, a.Id());
  HWND hostB = wallpaper::WaitForEmbeddedHost(iconView, b.Id());
  ASSERT_TRUE(hostA && hostB);
  // Each plays its own playlist at its own place.
  const SaverRun runA = player::WaitForPreviewRun(sandbox, L"WallA", 1);
  const SaverRun runB = player::WaitForPreviewRun(sandbox, L"WallB", 1);
  EXPECT_EQ(runA.Parent(), FindControl(hostA, vr::HostWindowId::p1));
  EXPECT_EQ(runB.Parent(), FindControl(hostB, vr::HostWindowId::p1));
  const POINT placeA = wallpaper::PlaceInParent(hostA);
  const POINT placeB = wallpaper::PlaceInParent(hostB);
  EXPECT_EQ(std::make_pair(placeA.x, placeA.y), std::make_pair(10L, 20L));
  EXPECT_EQ(std::make_pair(placeB.x, placeB.y), std::make_pair(300L, 250L));
  EXPECT_EQ(ClientSize(hostA).cx, 200);
  EXPECT_EQ(ClientSize(hostB).cy, 120);

  const std::wstring saverC = sandbox.CopyLogSaver(L"Plain");
  player::Windows closer = player::StartPlayer(sandbox, {}, {saverC});
  HWND closeButton = FindControl(closer.playlist, vr::PlaylistWindowId::Button10);
  ASSERT_NE(closeButton, nullptr);
  // The click returns once the loop has found no player left. It pauses 300 ms after each of
  // the two closes, so it cannot take less than 600 ms; a slower machine only makes it longer.
  const auto clicked = std::chrono::steady_clock::now();
  Click(closeButton);
  EXPECT_GE(std::chrono::steady_clock::now() - clicked, 600ms);

  ASSERT_EQ(a.WaitForExit(), 0u);
  ASSERT_EQ(b.WaitForExit(), 0u);
  EXPECT_TRUE(wallpaper::EmbeddedHosts(iconView).empty());
  // Their previews end with them.
  EXPECT_TRUE(WaitForEndedSaverRuns(sandbox.LogOf(L"WallA"), 1).at(0).Ended());
  EXPECT_TRUE(WaitForEndedSaverRuns(sandbox.LogOf(L"WallB"), 1).at(0).Ended());
  // The closing instance carries on, its button usable again.
  EXPECT_TRUE(WaitUntil([&] { return IsEnabled(closeButton); }));
  EXPECT_TRUE(IsShown(closer.bar));
}
