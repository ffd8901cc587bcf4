// The About window: opened by the player bar's "About..." button, laid out as designed, closed
// only into hiding by every way there is, and reopened on the tab it was closed on.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "Driver.h"
#include "Monitors.h"
#include "about/AboutWindowIds.h"
#include "about_support.h"
#include "files_support.h"
#include "player/PlayerBarIds.h"
#include "playlist/PlaylistWindowIds.h"

using namespace e2e;
using about::AboutHandles;

namespace {

// A control's place within its parent's client area.
RECT PlaceInParent(HWND control) {
    RECT r = WindowRect(control);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void ExpectPlace(HWND control, int left, int top, int width, int height) {
    const RECT r = PlaceInParent(control);
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right - r.left, width);
    EXPECT_EQ(r.bottom - r.top, height);
}

HWND Control(HWND parent, int id) {
    HWND control = FindControl(parent, id);
    EXPECT_NE(control, nullptr) << "no control " << id;
    return control;
}

}  // namespace

TEST(AboutWindow, AboutButtonShowsItCentredOnTopAndHidesItself) {
    Sandbox sandbox;
    const AboutHandles about = about::StartPlayer(sandbox);
    EXPECT_FALSE(IsShown(about.window)) << "the About window is created hidden";
    ASSERT_TRUE(IsShown(about.aboutButton));

    about::OpenAbout(about);

    EXPECT_TRUE(WaitUntil([&] { return !IsShown(about.aboutButton); })) << "\"About...\" stayed visible";
    EXPECT_EQ(Text(about.window), L"Quillion's Veilrunner - About");
    const SIZE client = ClientSize(about.window);
    EXPECT_EQ(client.cx, 513);
    EXPECT_EQ(client.cy, 401);
    const LONG_PTR style = GetWindowLongPtrW(about.window, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(about.window, GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_FALSE(style & WS_SYSMENU) << "no system menu and no caption buttons";
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    const RECT outer = WindowRect(about.window);
    EXPECT_NEAR((outer.left + outer.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((outer.top + outer.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
}

TEST(AboutWindow, LinksTabComesFirstWithThePicture) {
    Sandbox sandbox;
    const AboutHandles about = about::StartPlayer(sandbox);
    about::OpenAbout(about);

    EXPECT_EQ(Send(about.tabs, TCM_GETITEMCOUNT), 2);
    EXPECT_EQ(about::SelectedTab(about), 0);
    EXPECT_TRUE(IsShown(about.linksSheet));
    EXPECT_FALSE(IsShown(about.aboutSheet));
    ExpectPlace(about.tabs, 5, 5, 502, 354);
    HWND picture = Control(about.linksSheet, vr::AboutId::Image2);
    ASSERT_NE(picture, nullptr);
    ExpectPlace(picture, 4, 8, 486, 313);
    EXPECT_NE(Send(picture, STM_GETIMAGE, IMAGE_BITMAP), 0) << "the tile picture did not decode";
}

TEST(AboutWindow, AboutTabHoldsTheCreditsLinkLogoAndDonate) {
    Sandbox sandbox;
    const AboutHandles about = about::StartPlayer(sandbox);
    about::OpenAbout(about);
    about::StepTab(about, VK_RIGHT);
    ASSERT_TRUE(WaitUntil([&] { return IsShown(about.aboutSheet) && !IsShown(about.linksSheet); }));

    HWND memo = Control(about.aboutSheet, vr::AboutId::Memo1);
    HWND author = Control(about.aboutSheet, vr::AboutId::StaticText1);
    HWND logo = Control(about.aboutSheet, vr::AboutId::Image10);
    HWND donate = Control(about.aboutSheet, vr::AboutId::Button1);
    ASSERT_TRUE(memo && author && logo && donate);

    const std::vector<std::string> lines = SplitLines(ToAnsi(Text(memo)));
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "Quillion's Veilrunner");
    EXPECT_EQ(lines[3], "V e r s i o n");
    EXPECT_EQ(lines[4], "3.00");
    EXPECT_EQ(lines[6], "T y p e");
    EXPECT_EQ(lines[7], "Freeware");
    EXPECT_EQ(lines[9], "C o d i n g ,  D e s i g n");
    EXPECT_EQ(ToAnsi(Text(author)), lines[10]) << "the link names the author of the memo's eleventh line";
    EXPECT_TRUE(GetWindowLongPtrW(memo, GWL_STYLE) & ES_READONLY);
    EXPECT_FALSE(GetWindowLongPtrW(memo, GWL_STYLE) & WS_TABSTOP);

    ExpectPlace(memo, 6, 71, 323, 193);
    ExpectPlace(author, 124, 201, 89, 17);
    ExpectPlace(logo, 344, 100, 100, 100);
    ExpectPlace(donate, 344, 229, 100, 25);
    EXPECT_NE(Send(logo, STM_GETIMAGE, IMAGE_BITMAP), 0) << "no logo";
    EXPECT_EQ(Text(donate), L"Donate...");
    ExpectPlace(Control(about.window, vr::AboutId::Panel1), 0, 360, 513, 41);
    ExpectPlace(about.ok, 424, 8, 83, 25);
    EXPECT_EQ(Text(about.ok), L"OK");
}

TEST(AboutWindow, OkHidesItAndBringsBackAboutButton) {
    Sandbox sandbox;
    const AboutHandles about = about::StartPlayer(sandbox);
    about::OpenAbout(about);

    Click(about.ok);

    EXPECT_TRUE(about::WaitUntilClosed(about));
    EXPECT_TRUE(Exists(about.window)) << "closing only hides the window";
    EXPECT_TRUE(IsShown(about.bar));
}

TEST(AboutWindow, CloseMessageOnlyHidesIt) {
    Sandbox sandbox;
    const AboutHandles about = about::StartPlayer(sandbox);
    about::OpenAbout(about);

    Post(about.window, WM_CLOSE);

    EXPECT_TRUE(about::WaitUntilClosed(about));
    EXPECT_TRUE(Exists(about.window));
    EXPECT_TRUE(IsShown(about.bar)) << "the program goes on";
}

TEST(AboutWindow, AltF4OnlyHidesIt) {
    Sandbox sandbox;
    const AboutHandles about = about::StartPlayer(sandbox);
    about::OpenAbout(about);
    HWND focused = about::FocusedControl(about.window);
    ASSERT_NE(focused, nullptr);

    // Alt+F4 as the keyboard delivers it: a system key with the Alt flag, to the focused control.
    Post(focused, WM_SYSKEYDOWN, VK_F4, 1 | (1 << 29));

    EXPECT_TRUE(about::WaitUntilClosed(about));
    EXPECT_TRUE(Exists(about.window));
    EXPECT_TRUE(IsShown(about.bar)) << "Alt+F4 closed more than the About window";
}

TEST(AboutWindow, ReopensOnTheTabItWasClosedOn) {
    Sandbox sandbox;
    const AboutHandles about = about::StartPlayer(sandbox);
    about::OpenAbout(about);
    about::StepTab(about, VK_RIGHT);
    Click(about.ok);
    ASSERT_TRUE(about::WaitUntilClosed(about));

    about::OpenAbout(about);
    EXPECT_EQ(about::SelectedTab(about), 1);
    EXPECT_TRUE(IsShown(about.aboutSheet));
    EXPECT_FALSE(IsShown(about.linksSheet));

    about::StepTab(about, VK_LEFT);
    Click(about.ok);
    ASSERT_TRUE(about::WaitUntilClosed(about));
    about::OpenAbout(about);
    EXPECT_EQ(about::SelectedTab(about), 0);
    EXPECT_TRUE(IsShown(about.linksSheet));
}

// Tab walks the tabs, the links of the shown sheet, "Donate..." and "OK"; the memo and the
// logo (the author link's twin) take no focus by tabbing. The arrow keys move between the link
// tiles, and Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgDn and Ctrl+PgUp switch sheets, round the ends.
TEST(AboutWindow, KeysWalkTabsLinksDonateAndOkAndSwitchSheets) {
    Sandbox sandbox;
    const AboutHandles about = about::StartPlayer(sandbox);
    about::OpenAbout(about);
    ASSERT_EQ(about::FocusedControl(about.window), about.tabs);
    const auto walk = [&](const std::vector<HWND>& stops) {
        for (HWND next : stops) {
            PressKey(about::FocusedControl(about.window), VK_TAB);
            EXPECT_TRUE(WaitUntil([&] { return about::FocusedControl(about.window) == next; }))
                << "Tab did not reach control " << GetDlgCtrlID(next);
        }
    };
    std::vector<HWND> links;
    for (int id : {vr::AboutId::Image5, vr::AboutId::Image4, vr::AboutId::Image9, vr::AboutId::Image6,
                   vr::AboutId::Image7, vr::AboutId::Image3})
        links.push_back(Control(about.linksSheet, id));
    const std::vector<HWND> tiles = links;
    links.insert(links.end(), {about.ok, about.tabs});
    walk(links);

    walk({tiles[0]});
    for (const auto& [key, to] :
         {std::pair{VK_RIGHT, 1}, {VK_DOWN, 4}, {VK_LEFT, 3}, {VK_UP, 0}, {VK_LEFT, 5}}) {
        PressKey(about::FocusedControl(about.window), key);
        EXPECT_TRUE(WaitUntil([&] { return about::FocusedControl(about.window) == tiles[to]; }))
            << "key " << key << " did not reach tile " << to;
    }
    const std::initializer_list<WORD> sheetKeys[] = {{VK_CONTROL, VK_TAB},           {VK_CONTROL, VK_TAB},
                                                     {VK_CONTROL, VK_SHIFT, VK_TAB}, {VK_CONTROL, VK_NEXT},
                                                     {VK_CONTROL, VK_NEXT},          {VK_CONTROL, VK_PRIOR}};
    int sheet = 0;
    for (std::size_t i = 0; i < std::size(sheetKeys); ++i) {
        PressKeys(sheetKeys[i]);
        sheet = 1 - sheet;  // two sheets: every step, either way, goes to the other
        EXPECT_TRUE(WaitUntil([&] { return about::SelectedTab(about) == sheet; })) << "keys " << i;
        EXPECT_EQ(IsShown(about.aboutSheet), sheet == 1) << "keys " << i;
    }

    about::StepTab(about, VK_RIGHT);
    walk({Control(about.aboutSheet, vr::AboutId::StaticText1),
          Control(about.aboutSheet, vr::AboutId::Button1), about.ok, about.tabs});
}

// Esc closes the window from any control, as "OK" does.
TEST(AboutWindow, EscClosesItFromAnyControl) {
    Sandbox sandbox;
    const AboutHandles about = about::StartPlayer(sandbox);
    for (bool onTile : {false, true}) {
        about::OpenAbout(about);
        if (onTile) {
            PressKey(about::FocusedControl(about.window), VK_TAB);
            ASSERT_TRUE(WaitUntil([&] { return about::FocusedControl(about.window) != about.tabs; }));
        }
        PressKey(about::FocusedControl(about.window), VK_ESCAPE);
        EXPECT_TRUE(about::WaitUntilClosed(about)) << (onTile ? "on a tile" : "on the tabs");
        EXPECT_TRUE(IsShown(about.bar));
    }
}

// A player on the second monitor opens its About window and its dialogs there, not on the
// primary.
TEST(TwoMonitorsAbout, TheAboutWindowAndTheDialogsOpenOnThePlayersMonitor) {
    const TwoMonitors monitors = ListTwoMonitors();
    Sandbox sandbox;
    player::Settings settings;
    settings.bar = {monitors.second.left + 20, 40};
    settings.playlist = {monitors.second.left + 20, 140};
    settings.host = {monitors.second.left + 380, 140};
    settings.hostClient = {320, 240};
    const player::Windows w = player::StartPlayer(sandbox, settings, {});
    ASSERT_TRUE(SameRect(MonitorOf(w.bar), monitors.second));

    const HWND window = WaitForTopWindow(w.processId, L"TfrmConfig");
    ASSERT_NE(window, nullptr);
    PostClick(Control(w.bar, vr::PlayerBarId::Button1));
    ASSERT_TRUE(WaitUntil([&] { return IsShown(window); }));
    EXPECT_TRUE(SameRect(MonitorOf(window), monitors.second));

    const HWND dialog = files::OpenDialogWith(w, vr::PlaylistWindowId::Button5);  // "Load..."
    EXPECT_TRUE(SameRect(MonitorOf(dialog), monitors.second));
    PressCancel(dialog);
    EXPECT_TRUE(WaitUntilNoDialog(w.processId));
}
