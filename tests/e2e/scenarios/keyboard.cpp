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
    ASSERT_TRUE(WaitUntil([&] { return FocusIsOn(window, order.front()); }))
        << "no focus on the first control";
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
    // In the wallpaper group the buttons lie above the radio buttons, and so come first. Radio
    // buttons are one stop: the checked one.
    for (int id : {Button6, Button7, Button9, Button1, Button2, Button8, Button3, Button4, Button5, Button12,
                   Button10, Button11, Button13, RadioButton3})
        order.push_back(FindControl(w.playlist, id));
    ASSERT_TRUE(WaitUntil([&] { return IsEnabled(order[1]); }))
        << "a current screensaver enables Configure...";
    ExpectTabOrder(w.playlist, order);
}

// The help text is one stop that Tab, Shift+Tab and Ctrl+Tab leave; while it covers its group,
// the controls under it are passed by. Esc and Enter there act as anywhere in the window, where
// no button is theirs: the window stays open.
TEST(Keyboard, TabLeavesTheHelpTextWhichCoversItsGroup) {
    Sandbox sandbox;
    player::Settings settings;
    settings.playlistClient = {622, 495};
    player::Windows w = player::StartPlayer(sandbox, settings, {sandbox.CopyLogSaver(L"Calm")});
    using namespace vr::PlaylistWindowId;
    std::vector<HWND> order{w.list};
    for (int id : {Button6, Button7, Button9, Button1, Button2, Button8, Button3, Button4, Button5, Memo1})
        order.push_back(FindControl(w.playlist, id));
    ASSERT_TRUE(WaitUntil([&] { return IsEnabled(order[1]); }))
        << "a current screensaver enables Configure...";
    ExpectTabOrder(w.playlist, order);

    // Shift+Tab from the list goes round to the help text.
    HWND memo = FindControl(w.playlist, Memo1);
    HWND load = FindControl(w.playlist, Button5);
    const auto backToMemo = [&] {
        PressKeys({VK_SHIFT, VK_TAB});
        return WaitUntil([&] { return FocusOf(w.playlist) == memo; });
    };
    // Once keys went through the system's input, the next go the same road: a key posted to the
    // window would be handled before the Shift's release still queued there, and go backwards.
    ASSERT_TRUE(backToMemo());
    for (WORD key : {VK_ESCAPE, VK_RETURN}) {
        PressKeys({key});
        PressKeys({VK_TAB});
        EXPECT_TRUE(WaitUntil([&] { return FocusOf(w.playlist) == w.list; })) << "key " << key;
        EXPECT_TRUE(IsShown(w.playlist)) << "key " << key << " closed the window";
        ASSERT_TRUE(backToMemo());
    }
    PressKeys({VK_SHIFT, VK_TAB});
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(w.playlist) == load; }))
        << "Shift+Tab stayed in the help text";
    PressKeys({VK_TAB});
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(w.playlist) == memo; }));
    PressKeys({VK_CONTROL, VK_TAB});
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(w.playlist) == w.list; }))
        << "Ctrl+Tab stayed in the help text";
}
