// Tab moves the keyboard focus through the windows' controls in their given order.
#include <gtest/gtest.h>

#include "Player.h"
#include "player/PlayerBarIds.h"
#include "playlist/PlaylistWindowIds.h"

using namespace e2e;

namespace {

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

// The control that has the focus, or its parent when the focus lies in a part of it (a combo
// box's edit, say).
bool FocusIsOn(HWND window, HWND control) {
  HWND focus = FocusOf(window);
  return focus == control || (focus && GetParent(focus) == control);
}

// Activates the window, which gives the focus to its first control, and tabs through the rest,
// expecting to come back to the first.
void ExpectTabOrder(HWND window, const std::vector<HWND>& order) {
  SetForegroundWindow(window);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window; }));
  ASSERT_TRUE(WaitUntil([&] { return FocusIsOn(window, order.front()); })) << "no focus on the first control";
  for (std::size_t i = 1; i <= order.size(); ++i) {
    HWND next = order[i % order.size()];
    PressKey(FocusOf(window), VK_TAB);
    EXPECT_TRUE(WaitUntil([&] { return FocusIsOn(window, next); })) << "stop " << i;
  }
}

}  // namespace

TEST(Keyboard, TabGoesThroughThePlayerBarsChoicesAndButtons) {
  Sandbox sandbox;
  player::Settings settings;
  settings.playlistShown = false;  // so "Playlist..." is there to take the focus
  player::Windows w = player::StartPlayer(sandbox, settings, {sandbox.CopyLogSaver(L"Calm")});
  ExpectTabOrder(w.bar, {w.timeCombo, w.sizeCombo, FindControl(w.bar, vr::PlayerBarId::Button7),
                         FindControl(w.bar, vr::PlayerBarId::Button1)});
}

TEST(Keyboard, TabGoesFromTheListThroughTheGroupsInOrder) {
  Sandbox sandbox;
  player::Settings settings;
  settings.helpText = false;  // the wallpaper group's own controls take the focus
  settings.playlistClient = {622, 495};
  player::Windows w = player::StartPlayer(sandbox, settings, {sandbox.CopyLogSaver(L"Calm")});
  using namespace vr::PlaylistWindowId;
  std::vector<HWND> order{w.list};
  // Radio buttons are one stop: the checked one.
  for (int id : {Button6, Button7, Button9, Button1, Button2, Button8, Button3, Button4, Button5, RadioButton3,
                 Button12, Button10, Button11, Button13})
    order.push_back(FindControl(w.playlist, id));
  ASSERT_TRUE(WaitUntil([&] { return IsEnabled(order[1]); })) << "a current screensaver enables Configure...";
  ExpectTabOrder(w.playlist, order);
}
