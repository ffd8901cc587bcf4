// Our screensaver kit, seen through the logging test saver: the switches it understands, the
// window it makes in each mode, and how each mode ends.
#include <gtest/gtest.h>

#include <string>

#include "Driver.h"

using namespace e2e;

namespace {

std::wstring SizeText(SIZE size) { return std::to_wstring(size.cx) + L"x" + std::to_wstring(size.cy); }

std::wstring Handle(HWND window) { return std::to_wstring(reinterpret_cast<std::uintptr_t>(window)); }

}  // namespace

TEST(SaverKit, FullScreenCoversTheScreenOnTopAndEndsByItself) {
    Sandbox sandbox;
    Process& saver = sandbox.Start(sandbox.CopyLogSaver(L"alpha", 300), L"/s");

    ASSERT_EQ(saver.WaitForExit(), 0u);
    const auto runs = sandbox.SaverRuns(L"alpha");
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].processId, saver.Id());
    EXPECT_EQ(runs[0].arguments, L"/s");
    EXPECT_EQ(runs[0].mode, L"fullscreen");
    EXPECT_NE(runs[0].window, 0u);
    EXPECT_TRUE(runs[0].topmost);
    EXPECT_EQ(runs[0].size, SizeText({GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
    EXPECT_EQ(runs[0].end, L"timeout");
}

TEST(SaverKit, FullScreenEndsOnAKey) {
    Sandbox sandbox;
    Process& saver = sandbox.Start(sandbox.CopyLogSaver(L"alpha", 60000), L"/S");

    const auto started = WaitForSaverRuns(sandbox.LogOf(L"alpha"), 1);
    ASSERT_EQ(started.size(), 1u);
    HWND window = started[0].Window();
    ASSERT_TRUE(WaitUntil([&] { return IsShown(window); }));
    PressKey(window, VK_SPACE);

    ASSERT_EQ(saver.WaitForExit(), 0u);
    EXPECT_EQ(sandbox.SaverRuns(L"alpha").at(0).end, L"input");
}

TEST(SaverKit, PreviewIsAChildFillingTheGivenWindowUntilQuitIsPosted) {
    Sandbox sandbox;
    HWND pane = sandbox.StartPreviewParent();
    ASSERT_NE(pane, nullptr);
    Process& saver = sandbox.Start(sandbox.CopyLogSaver(L"alpha"), L"/p " + Handle(pane));

    const auto started = WaitForSaverRuns(sandbox.LogOf(L"alpha"), 1);
    ASSERT_EQ(started.size(), 1u);
    const SaverRun& run = started[0];
    EXPECT_EQ(run.mode, L"preview");
    EXPECT_EQ(run.Parent(), pane);
    EXPECT_TRUE(run.childOfParent);
    EXPECT_EQ(run.size, SizeText(ClientSize(pane)));
    EXPECT_TRUE(IsDescendant(run.Window(), pane));
    EXPECT_EQ(OwnerProcess(run.Window()), saver.Id());
    EXPECT_FALSE(saver.WaitForExit(300ms)) << "a preview must play until it is told to stop";

    Post(run.Window(), WM_QUIT);
    ASSERT_EQ(saver.WaitForExit(), 0u);
    EXPECT_EQ(sandbox.SaverRuns(L"alpha").at(0).end, L"quit message");
}

TEST(SaverKit, ReadsEverySpellingOfThePreviewSwitch) {
    Sandbox sandbox;
    HWND pane = sandbox.StartPreviewParent();
    ASSERT_NE(pane, nullptr);
    const std::wstring saverPath = sandbox.CopyLogSaver(L"alpha");
    const std::wstring spellings[] = {L"/p:" + Handle(pane), L"-P " + Handle(pane), L"/L " + Handle(pane),
                                      L"/p   " + Handle(pane)};

    for (const std::wstring& arguments : spellings) {
        SCOPED_TRACE(ToUtf8(arguments));
        const std::size_t before = sandbox.SaverRuns(L"alpha").size();
        Process& saver = sandbox.Start(saverPath, arguments);
        const auto runs = WaitForSaverRuns(sandbox.LogOf(L"alpha"), before + 1);
        ASSERT_EQ(runs.size(), before + 1);
        EXPECT_EQ(runs.back().arguments, arguments);
        EXPECT_EQ(runs.back().mode, L"preview");
        EXPECT_EQ(runs.back().Parent(), pane);
        EXPECT_TRUE(runs.back().childOfParent);
        saver.Kill();
    }
}

TEST(SaverKit, SettingsShowADialogAndEndWhenItIsDismissed) {
    Sandbox sandbox;
    Process& saver = sandbox.Start(sandbox.CopyLogSaver(L"alpha"), L"/c");

    HWND dialog = WaitForTopWindow(saver.Id(), L"#32770");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Text(dialog), L"alpha");
    HWND ok = FindControl(dialog, IDOK);
    ASSERT_NE(ok, nullptr);
    PostClick(ok);

    ASSERT_EQ(saver.WaitForExit(), 0u);
    const auto runs = sandbox.SaverRuns(L"alpha");
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].mode, L"configure");
    EXPECT_EQ(runs[0].end, L"close");
}

TEST(SaverKit, NoSwitchMeansSettings) {
    Sandbox sandbox;
    Process& saver = sandbox.Start(sandbox.CopyLogSaver(L"alpha"));

    EXPECT_NE(WaitForTopWindow(saver.Id(), L"#32770"), nullptr);
    const auto runs = WaitForSaverRuns(sandbox.LogOf(L"alpha"), 1);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].mode, L"configure");
}
