// The road of a preview: drops and selections make a screensaver current, the host window starts
// it inside its pane and stops the one before.
#include <gtest/gtest.h>

#include "platform/WindowFont.h"
#include "player/PlayerBarIds.h"
#include "Player.h"

using namespace e2e;

namespace {

// A preview run is right when the saver, started by its quoted path, was given the pane and its
// window lives inside it.
void ExpectPlaysInPane(const SaverRun& run, HWND pane, const std::wstring& saverPath) {
    EXPECT_EQ(run.mode, L"preview");
    EXPECT_EQ(run.Parent(), pane);
    EXPECT_TRUE(run.childOfParent);
    const SIZE paneSize = ClientSize(pane);
    EXPECT_EQ(run.size, std::to_wstring(paneSize.cx) + L"x" + std::to_wstring(paneSize.cy));
    EXPECT_EQ(run.commandLine,
              L"\"" + saverPath + L"\" /p " + std::to_wstring(reinterpret_cast<std::uintptr_t>(pane)));
}

}  // namespace

TEST(Startup, CreatesItsWindowsUnderTheApplicationWindowWithTheBarAsMain) {
    Sandbox sandbox;
    const std::wstring saver = sandbox.CopyLogSaver(L"Calm");
    player::Windows w = player::StartPlayer(sandbox, {}, {saver});
    HWND about = FindTopWindow(w.processId, L"TfrmConfig");
    ASSERT_NE(about, nullptr);

    EXPECT_EQ(Text(w.bar), L"Quillion's Veilrunner");
    EXPECT_EQ(Text(w.playlist), L"Playlist");
    EXPECT_FALSE(IsShown(about));
    // The selected entry's name without ".scr" becomes the host window's caption.
    EXPECT_TRUE(WaitUntil([&] { return Text(w.host) == L"Calm"; })) << Text(w.host);
    // One application window owns all four and carries the title. It is never shown: the taskbar
    // button (an owned window has one only when it asks) is the bar's, and no other window asks.
    HWND application = GetWindow(w.bar, GW_OWNER);
    ASSERT_NE(application, nullptr);
    EXPECT_EQ(Text(application), L"Veilrunner");
    EXPECT_FALSE(IsWindowVisible(application));
    for (HWND window : {w.host, about, w.playlist}) {
        EXPECT_EQ(GetWindow(window, GW_OWNER), application);
        EXPECT_FALSE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    }
    EXPECT_TRUE(GetWindowLongPtrW(w.bar, GWL_EXSTYLE) & WS_EX_APPWINDOW);

    // The player bar is the main window: closing the host window closes it and ends the program.
    Post(w.host, WM_CLOSE);
    EXPECT_TRUE(WaitUntil([&] { return !ProcessRunning(w.processId); }));
}

TEST(Preview, DroppedSaverPlaysInThePaneAndStopsThePreviousOne) {
    Sandbox sandbox;
    // A folder with a blank: the saver's path must reach it quoted.
    CreateDirectoryW(sandbox.PathOf(L"My Savers").c_str(), nullptr);
    const std::wstring first = sandbox.CopyLogSaver(L"First");
    const std::wstring second = sandbox.CopyIn(first, L"My Savers\\Second.scr");
    player::Windows w = player::StartPlayer(sandbox, {}, {first});
    const SaverRun firstRun = player::WaitForPreviewRun(sandbox, L"First", 1);
    ExpectPlaysInPane(firstRun, w.pane, first);

    DropFiles(w.bar, {second});
    const auto secondRuns = WaitForSaverRuns(sandbox.PathOf(L"My Savers\\Second.log"), 1);
    ASSERT_EQ(secondRuns.size(), 1u);
    ExpectPlaysInPane(secondRuns[0], w.pane, second);
    EXPECT_EQ(OwnerProcess(secondRuns[0].Window()), secondRuns[0].processId);
    const auto firstEnded = WaitForEndedSaverRuns(sandbox.LogOf(L"First"), 1);
    EXPECT_EQ(firstEnded[0].end, L"quit message");
    EXPECT_EQ(ListItems(w.list), (std::vector<std::wstring>{first, second}));
    EXPECT_EQ(ListSelection(w.list), 1);
    EXPECT_EQ(Text(w.host), L"Second");
}

TEST(Preview, TwoSelectionsWithinTheDelayStartOnlyTheLastOne) {
    Sandbox sandbox;
    const auto [w, savers] = player::StartPlayingLogSavers(sandbox, {L"A", L"B", L"C"});

    SelectListItem(w.list, 1);
    SelectListItem(w.list, 2);
    ExpectPlaysInPane(player::WaitForPreviewRun(sandbox, L"C", 1), w.pane, savers[2]);
    EXPECT_TRUE(sandbox.SaverRuns(L"B").empty());
    EXPECT_EQ(Text(w.host), L"C");
}

TEST(Preview, ResizingRestartsThePreviewAndShowsThePaneSize) {
    Sandbox sandbox;
    const std::wstring saver = sandbox.CopyLogSaver(L"Calm");
    player::Windows w = player::StartPlayer(sandbox, {}, {saver});
    player::WaitForPreviewRun(sandbox, L"Calm", 1);
    ASSERT_TRUE(WaitUntil([&] { return ComboItems(w.sizeCombo).at(0) == L"474 x 355"; }));
    EXPECT_EQ(ComboSelection(w.sizeCombo), 0);

    SelectComboItem(w.sizeCombo, 2);  // "320 x 240"
    const SaverRun restarted = player::WaitForPreviewRun(sandbox, L"Calm", 2);
    ExpectPlaysInPane(restarted, w.pane, saver);
    EXPECT_EQ(restarted.size, L"320x240");
    EXPECT_EQ(WaitForEndedSaverRuns(sandbox.LogOf(L"Calm"), 1)[0].end, L"quit message");
    EXPECT_TRUE(WaitUntil([&] { return ComboItems(w.sizeCombo).at(0) == L"320 x 240"; }));
    EXPECT_EQ(ComboSelection(w.sizeCombo), 0);
    EXPECT_EQ(ComboItems(w.sizeCombo).at(2), L"320 x 240");

    // A size the user gives it through the system counts the same as a chosen size.
    Post(w.host, WM_SYSCOMMAND, SC_MAXIMIZE);
    const SaverRun third = player::WaitForPreviewRun(sandbox, L"Calm", 3);
    const SIZE pane = ClientSize(w.pane);
    EXPECT_EQ(third.size, std::to_wstring(pane.cx) + L"x" + std::to_wstring(pane.cy));
    EXPECT_TRUE(WaitUntil([&] {
        return ComboItems(w.sizeCombo).at(0) == std::to_wstring(pane.cx) + L" x " + std::to_wstring(pane.cy);
    }));
}

namespace {

// The four buttons share the banner's place without overlapping, and each is tall enough for
// its caption: inside its two-pixel frame above and below it holds the window font's ascent.
void ExpectNudgeButtonsFitTheBannersPlace(HWND bar) {
    const std::wstring face(vr::kWindowFontFace.begin(), vr::kWindowFontFace.end());
    HFONT font =
        CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);

    const RECT banner{7, 7, 7 + 88, 7 + 31};
    std::vector<RECT> places;
    for (int id : {vr::PlayerBarId::Button3, vr::PlayerBarId::Button4, vr::PlayerBarId::Button5,
                   vr::PlayerBarId::Button2}) {
        HWND button = FindControl(bar, id);
        RECT r = WindowRect(button);
        MapWindowPoints(nullptr, bar, reinterpret_cast<POINT*>(&r), 2);
        RECT inside{};
        EXPECT_TRUE(IntersectRect(&inside, &r, &banner) && EqualRect(&inside, &r))
            << "button " << id << " leaves the banner";
        EXPECT_GE(r.bottom - r.top - 4, metrics.tmAscent) << "button " << id << " clips its caption";
        for (const RECT& other : places)
            EXPECT_FALSE(IntersectRect(&inside, &r, &other)) << "button " << id << " overlaps";
        places.push_back(r);
    }
}

}  // namespace

TEST(Preview, NudgeButtonsAppearAfterTheBannerAndMoveTheHostByFivePixels) {
    Sandbox sandbox;
    const std::wstring saver = sandbox.CopyLogSaver(L"Calm");
    player::Settings settings;
    settings.host = {400, 300};  // away from every edge, so no snapping interferes
    player::Windows w = player::StartPlayer(sandbox, settings, {saver});
    HWND right = FindControl(w.bar, vr::PlayerBarId::Button2);
    HWND down = FindControl(w.bar, vr::PlayerBarId::Button5);
    EXPECT_FALSE(IsShown(right));

    Send(w.bar, WM_COMMAND, MAKEWPARAM(vr::PlayerBarId::Image12, STN_CLICKED),
         reinterpret_cast<LPARAM>(FindControl(w.bar, vr::PlayerBarId::Image12)));
    ASSERT_TRUE(WaitUntil([&] { return IsShown(right); }));
    EXPECT_FALSE(IsShown(FindControl(w.bar, vr::PlayerBarId::Image12)));
    ExpectNudgeButtonsFitTheBannersPlace(w.bar);
    const RECT before = WindowRect(w.host);
    Click(right);
    Click(down);
    const RECT after = WindowRect(w.host);
    EXPECT_EQ(after.left, before.left + 5);
    EXPECT_EQ(after.top, before.top + 5);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
}
