// The playlist window's rotation, selection rules and the full-screen run.
#include <gtest/gtest.h>

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

TEST(FullScreen, RunWaitsForTheSaverAndThePreviewReturns) {
  Sandbox sandbox;
  const std::wstring saver = sandbox.CopyLogSaver(L"Calm", 2000);
  player::Windows w = player::StartPlayer(sandbox, {}, {saver});
  player::WaitForPreviewRun(sandbox, L"Calm", 1);
  const SIZE paneBefore = ClientSize(w.pane);

  PostClick(FindControl(w.playlist, vr::PlaylistWindowId::Button7));
  const SaverRun fullScreen = player::WaitForPreviewRun(sandbox, L"Calm", 2);
  EXPECT_EQ(fullScreen.mode, L"fullscreen");
  EXPECT_EQ(fullScreen.commandLine, L"\"" + saver + L"\" /s ");
  EXPECT_EQ(WaitForEndedSaverRuns(sandbox.LogOf(L"Calm"), 1)[0].end, L"quit message");
  EXPECT_FALSE(Answers(w.bar)) << "the player must wait for the full-screen run";

  const SaverRun preview = player::WaitForPreviewRun(sandbox, L"Calm", 3);
  EXPECT_EQ(preview.mode, L"preview");
  EXPECT_EQ(preview.Parent(), w.pane);
  EXPECT_EQ(WaitForEndedSaverRuns(sandbox.LogOf(L"Calm"), 2)[1].end, L"timeout");
  EXPECT_TRUE(Answers(w.bar));
  EXPECT_EQ(ClientSize(w.pane).cx, paneBefore.cx);
  EXPECT_EQ(ClientSize(w.pane).cy, paneBefore.cy);
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

TEST(Selection, DraggingAnEntryMovesItWithoutPlayingIt) {
  Sandbox sandbox;
  const std::wstring a = sandbox.CopyLogSaver(L"A");
  const std::wstring b = sandbox.CopyLogSaver(L"B");
  const std::wstring c = sandbox.CopyLogSaver(L"C");
  player::Settings settings;
  settings.playlist = {20, 500};  // clear of the other windows, so the pointer reaches the list
  player::Windows w = player::StartPlayer(sandbox, settings, {a, b, c});
  player::WaitForPreviewRun(sandbox, L"A", 1);
  ASSERT_TRUE(WaitUntil([&] { return IsShown(w.playlist); }));
  SetForegroundWindow(w.playlist);

  // Press on entry 0, move well past the drag threshold and let go over entry 2.
  constexpr int kItem = 13;
  POINT press{30, kItem / 2};
  POINT release{30, 2 * kItem + kItem / 2};
  ClientToScreen(w.list, &press);
  ClientToScreen(w.list, &release);
  const auto at = [](POINT p) { return std::to_wstring(p.x) + L" " + std::to_wstring(p.y); };
  Xdotool(L"mousemove " + at(press) + L" mousedown 1");
  Xdotool(L"mousemove " + at({press.x, press.y + 8}) + L" mousemove " + at(release) + L" mouseup 1");

  EXPECT_TRUE(WaitUntil([&] { return ListItems(w.list) == std::vector<std::wstring>{b, c, a}; }));
  EXPECT_EQ(ListSelection(w.list), 2);
  EXPECT_EQ(Text(w.host), L"A") << "a drag moves the entry and plays nothing";
  EXPECT_TRUE(sandbox.SaverRuns(L"B").empty());
  EXPECT_TRUE(sandbox.SaverRuns(L"C").empty());
}
