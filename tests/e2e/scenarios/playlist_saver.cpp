// Veilrunner.scr, the playlist as the system screensaver: full screen with each next saver up
// before the last goes, previews in the system's window, the player as its settings, a black
// screen or a green pane when there is nothing to play, and the player bar's system menu that
// installs it.
#include <gtest/gtest.h>

#include <algorithm>

#include "Dialogs.h"
#include "Pointer.h"
#include "SystemMenu.h"
#include "custody_support.h"
#include "player/PlayerBarIds.h"
#include "rotator/Backdrop_win.h"
#include "rotator/CoverWindow_win.h"

using namespace e2e;

namespace {

constexpr int kEvery3Seconds = 1;
constexpr unsigned kLongFullScreenMs = 120000;  // log savers end only when asked or touched
constexpr unsigned kBriefFullScreenMs = 200;    // ends by itself at once, as a broken saver does
constexpr auto kRotatorEndsWithin = 10s;        // tells an end from a hang on a busy machine
constexpr auto kAllEndWithin = 4s;              // a key ends the rotator and every saver

std::wstring Hwnd(HWND window) { return std::to_wstring(reinterpret_cast<std::uintptr_t>(window)); }

// The full-screen runs of these savers, in the order they reported their start.
std::vector<std::pair<std::wstring, SaverRun>> RunsInOrder(const Sandbox& sandbox,
                                                           const std::vector<std::wstring>& names) {
    std::vector<std::pair<std::wstring, SaverRun>> runs;
    for (const std::wstring& name : names)
        for (const SaverRun& run : sandbox.SaverRuns(name))
            if (run.Started()) runs.emplace_back(name, run);
    std::sort(runs.begin(), runs.end(),
              [](const auto& a, const auto& b) { return a.second.startedAt < b.second.startedAt; });
    return runs;
}

std::vector<std::wstring> Names(const std::vector<std::pair<std::wstring, SaverRun>>& runs) {
    std::vector<std::wstring> names;
    for (const auto& run : runs) names.push_back(run.first);
    return names;
}

bool AnyWindowShown(const std::vector<ProcessInfo>& processes) {
    for (const ProcessInfo& p : processes)
        for (HWND window : TopWindows(p.id))
            if (IsShown(window)) return true;
    return false;
}

// The rotator's black backdrop, once it is there.
HWND WaitForBackdrop(const Process& rotator) {
    const HWND backdrop = WaitForTopWindow(rotator.Id(), FromUtf8(vr::kBackdropClass));
    EXPECT_TRUE(backdrop && WaitUntil([&] { return IsShown(backdrop); })) << "no backdrop";
    return backdrop;
}

bool CoversTheScreen(HWND backdrop) {
    const RECT covered = WindowRect(backdrop);
    return IsShown(backdrop) && covered.left == GetSystemMetrics(SM_XVIRTUALSCREEN) &&
           covered.top == GetSystemMetrics(SM_YVIRTUALSCREEN) &&
           covered.right - covered.left == GetSystemMetrics(SM_CXVIRTUALSCREEN) &&
           covered.bottom - covered.top == GetSystemMetrics(SM_CYVIRTUALSCREEN);
}

}  // namespace

// Starts at the player's current saver, goes round in order past this program's copy under
// another name, past the player renamed to a saver and past a saver that ends by itself at once,
// always with a saver on screen and never more than two; a real key 0.3 s after a change ends
// everything, and nothing more starts.
TEST(PlaylistSaver, FullScreenPlaysInOrderWithASaverAlwaysUpAndAKeyEndsItAll) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A", kLongFullScreenMs);
    const std::wstring brief = sandbox.CopyLogSaver(L"Brief", kBriefFullScreenMs);
    const std::wstring b = sandbox.CopyLogSaver(L"B", kLongFullScreenMs);
    const std::wstring copy = sandbox.CopyIn(PlaylistSaverBinary(), L"Copy.scr");
    const std::wstring player = sandbox.CopyIn(ProgramBinary(), L"Player.scr");
    const std::wstring c = sandbox.CopyLogSaver(L"C", kLongFullScreenMs);
    player::Settings settings;
    settings.interval = kEvery3Seconds;
    player::WriteSavedFiles(sandbox, settings, {a, brief, copy, b, player, c}, b);
    const auto config = ReadFileBytes(sandbox.PathOf(L"config.cfg"));
    Process& rotator = sandbox.Start(sandbox.CopyPlaylistSaver(), L"/s");

    const std::vector<std::wstring> logSavers{L"A", L"B", L"C"};
    bool firstUp = false;
    std::size_t most = 0;
    int uncovered = 0;
    ASSERT_TRUE(WaitUntil(
        [&] {
            const auto savers = custody::SaverProcesses(sandbox, rotator.Id());
            most = std::max(most, savers.size());
            const bool up = AnyWindowShown(savers);
            firstUp = firstUp || up;
            if (firstUp && !up) ++uncovered;
            return sandbox.SaverRuns(L"B").size() >= 2 && sandbox.SaverRuns(L"B")[1].Started();
        },
        40s))
        << "the playlist did not come round again";
    EXPECT_LE(most, 2u) << "saver processes at once";
    EXPECT_EQ(uncovered, 0) << "samples with no saver on screen";

    const auto runs = RunsInOrder(sandbox, logSavers);
    EXPECT_EQ(Names(runs), (std::vector<std::wstring>{L"B", L"C", L"A", L"B"}));
    for (const auto& [name, run] : runs) {
        EXPECT_EQ(run.mode, L"fullscreen") << e2e::ToUtf8(name);
        EXPECT_EQ(run.commandLine, L"\"" + sandbox.PathOf(name + L".scr") + L"\" /s ");
    }
    EXPECT_EQ(sandbox.SaverRuns(L"Brief").size(), 1u);
    EXPECT_TRUE(sandbox.SaverRuns(L"Copy").empty());
    EXPECT_EQ(ReadFileBytes(sandbox.PathOf(L"config.cfg")), config) << "the player ran and saved";

    // 0.3 s after B came back, with A still up: the key ends both, and C never comes.
    const ULONGLONG keyAt = sandbox.SaverRuns(L"B")[1].startedAt + 300;
    WaitUntil([&] { return GetTickCount64() >= keyAt; });
    Xdotool(L"key space");  // as the X server gets it: to whichever window has the keyboard
    EXPECT_TRUE(rotator.WaitForExit(kAllEndWithin)) << "the rotation did not end";
    const auto left = custody::ProcessesLeft(sandbox);
    EXPECT_TRUE(left.empty()) << custody::Describe(left);
    EXPECT_EQ(sandbox.SaverRuns(L"C").size(), 1u);
}

// Rotates previews in a window of its own inside a window of another program, passing over
// itself in the playlist, leaves that program's own child windows alone, and ends with
// everything it started once that window is gone.
TEST(PlaylistSaver, PreviewRotatesInTheGivenWindowSkipsItselfAndEndsWithIt) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    const std::wstring b = sandbox.CopyLogSaver(L"B");
    const std::wstring self = sandbox.CopyPlaylistSaver();
    player::Settings settings;
    settings.interval = kEvery3Seconds;
    player::WriteSavedFiles(sandbox, settings, {a, self, b});
    const HWND iconView = sandbox.StartPreviewParent();
    ASSERT_TRUE(iconView);
    const HWND window = GetAncestor(iconView, GA_ROOT);  // the stand-in desktop, the icon view inside
    Process& rotator = sandbox.Start(self, L"/p " + Hwnd(window));

    std::size_t mostRotators = 0;
    auto waitForRun = [&](const wchar_t* name, std::size_t count) {
        std::vector<SaverRun> runs;
        WaitUntil([&] {
            const auto processes = ProcessesRunningFrom(sandbox.Folder());
            mostRotators = std::max<std::size_t>(
                mostRotators, std::count_if(processes.begin(), processes.end(), [](const ProcessInfo& p) {
                    return p.exeName == L"Veilrunner.scr";
                }));
            runs = sandbox.SaverRuns(name);
            return runs.size() >= count && runs[count - 1].Started();
        });
        EXPECT_GE(runs.size(), count) << e2e::ToUtf8(name);
        return runs.size() >= count ? runs[count - 1] : SaverRun{};
    };
    for (const SaverRun& run : {waitForRun(L"A", 1), waitForRun(L"B", 1), waitForRun(L"A", 2)}) {
        EXPECT_EQ(run.mode, L"preview");
        EXPECT_EQ(ClassName(run.Parent()), FromUtf8(vr::kGreenPaneClass));
        EXPECT_EQ(GetParent(run.Parent()), window);
        EXPECT_TRUE(run.childOfParent);
    }
    EXPECT_EQ(WaitForEndedSaverRuns(sandbox.LogOf(L"A"), 1)[0].end, L"quit message");
    EXPECT_EQ(mostRotators, 1u) << "it ran itself";
    EXPECT_TRUE(IsWindow(iconView)) << "a window it did not start was told to quit";

    KillProcess(OwnerProcess(window));
    EXPECT_TRUE(rotator.WaitForExit(kRotatorEndsWithin)) << "it outlived the window";
    const auto left = custody::ProcessesLeft(sandbox);
    EXPECT_TRUE(left.empty()) << custody::Describe(left);
}

// A preview that stops answering after 2 s, at "Change every 42 Sec.": it is ended, and the next
// entry plays in its place long before the interval is over.
TEST(PlaylistSaver, PreviewEndsAHungPreviewAndPlaysTheNextInItsPlace) {
    constexpr int kEvery42Seconds = 5;
    Sandbox sandbox;
    const std::wstring hang = custody::CopySaver(sandbox, bad::kHang);
    const std::wstring settings = sandbox.PathOf(L"hang.ini");
    WriteFileBytes(settings, *ReadFileBytes(settings) + "HangAfterMs=2000\r\n");
    player::Settings every42Seconds;
    every42Seconds.interval = kEvery42Seconds;
    player::WriteSavedFiles(sandbox, every42Seconds, {hang, sandbox.CopyLogSaver(L"B")});
    const HWND window = sandbox.StartPreviewParent();
    ASSERT_TRUE(window);
    Process& rotator = sandbox.Start(sandbox.CopyPlaylistSaver(), L"/p " + Hwnd(window));

    ASSERT_TRUE(custody::WaitUntilPlaying(sandbox, bad::kHang));
    EXPECT_TRUE(WaitUntil(
        [&] { return !sandbox.SaverRuns(L"B").empty() && sandbox.SaverRuns(L"B")[0].Started(); }, 12s))
        << "the next entry did not come";
    KillProcess(OwnerProcess(window));
    EXPECT_TRUE(rotator.WaitForExit(kRotatorEndsWithin));
    const auto left = custody::ProcessesLeft(sandbox);
    EXPECT_TRUE(left.empty()) << custody::Describe(left);
}

// Whatever the savers do, the backdrop covers the screen from the start: while the first takes
// 2 s to show, when one fakes the user's input and ends, and under one that hung. Only a real
// key ends the run, with what a saver started under the rotator's name.
TEST(PlaylistSaver, FullScreenStaysCoveredWhateverTheSaversDoAndOnlyARealKeyEndsIt) {
    Sandbox sandbox;
    const std::wstring slow = custody::CopySaver(sandbox, bad::kSlow, 2000);
    const std::wstring faker = custody::CopySaver(sandbox, bad::kFakeUser);
    const std::wstring spawn = custody::CopySaver(sandbox, bad::kSpawn);
    WriteFileBytes(sandbox.PathOf(L"spawn.ini"),
                   *ReadFileBytes(sandbox.PathOf(L"spawn.ini")) + "SpawnUnder=starter\r\n");
    const std::wstring hang = custody::CopySaver(sandbox, bad::kHang);
    player::Settings settings;
    settings.interval = kEvery3Seconds;
    player::WriteSavedFiles(sandbox, settings, {slow, faker, spawn, hang});
    Process& rotator = sandbox.Start(sandbox.CopyPlaylistSaver(), L"/s");

    const HWND backdrop = WaitForBackdrop(rotator);
    int uncovered = 0;
    ASSERT_TRUE(WaitUntil(
        [&] {
            uncovered += CoversTheScreen(backdrop) ? 0 : 1;
            const auto hung = sandbox.SaverRuns(bad::kHang.misbehaviour);
            return !hung.empty() && bad::Misbehaving(hung[0], bad::kHang);
        },
        30s))
        << "the hung saver never came";
    EXPECT_EQ(uncovered, 0) << "samples with the backdrop not covering the screen";
    const auto faked = sandbox.SaverRuns(bad::kFakeUser.misbehaviour);
    ASSERT_TRUE(!faked.empty() && bad::Misbehaving(faked[0], bad::kFakeUser));
    EXPECT_NE(faked[0].other.at("faked"), L"0") << "it injected nothing";
    EXPECT_TRUE(rotator.Running()) << "a saver's input ended the run";

    // The hung saver holds no key: the backdrop takes the keyboard back from it (under Wine the
    // only way a key reaches anyone, as the X server gives keys to the focused window's thread).
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == backdrop; }));
    Xdotool(L"key space");
    EXPECT_TRUE(rotator.WaitForExit(kAllEndWithin)) << "a key did not end it under a hung saver";
    const auto left = custody::ProcessesLeft(sandbox);
    EXPECT_TRUE(left.empty()) << custody::Describe(left);
}

// No switch, or the settings switch with the system dialog's window: the player opens, and a
// second time its bar comes back rather than a second player.
TEST(PlaylistSaver, SettingsOpenThePlayerOrBringItsBarBack) {
    Sandbox sandbox;
    player::WriteSavedFiles(sandbox, {}, {sandbox.CopyLogSaver(L"A")});
    sandbox.CopyProgram();
    const std::wstring self = sandbox.CopyPlaylistSaver();
    auto players = [&] {
        auto processes = ProcessesRunningFrom(sandbox.Folder());
        std::erase_if(processes, [](const ProcessInfo& p) { return p.exeName != L"Veilrunner.exe"; });
        return processes;
    };

    EXPECT_EQ(sandbox.Start(self).WaitForExit(), 0u);
    ASSERT_TRUE(WaitUntil([&] { return players().size() == 1; })) << "no player opened";
    const player::Windows w = player::WaitForPlayer(players()[0].id);
    ShowWindow(w.bar, SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(w.bar) != FALSE; }));

    EXPECT_EQ(sandbox.Start(self, L"/c:" + Hwnd(w.bar)).WaitForExit(), 0u);
    EXPECT_TRUE(WaitUntil([&] { return !IsIconic(w.bar) && IsShown(w.bar); })) << "the bar did not come back";
    EXPECT_EQ(players().size(), 1u);
}

// No playable entry (only a copy of itself, a file that is gone, a saver that crashes) and no
// settings: full screen covers every monitor black until a key, the preview fills the window
// green, and the player's files stay as they were.
TEST(PlaylistSaver, WithNothingToPlayItCoversTheScreenBlackOrThePaneGreenAndWritesNothing) {
    Sandbox sandbox;
    const std::wstring self = sandbox.CopyPlaylistSaver();
    const std::wstring crash = custody::CopySaver(sandbox, bad::kCrash);
    const std::string playlist =
        ToAnsi(self) + "\r\n" + ToAnsi(sandbox.PathOf(L"Gone.scr")) + "\r\n" + ToAnsi(crash) + "\r\n";
    WriteFileBytes(sandbox.PathOf(L"myList.spls"), playlist);

    Process& fullScreen = sandbox.Start(self, L"/s");
    const HWND black = WaitForBackdrop(fullScreen);
    ASSERT_TRUE(custody::WaitUntilPlaying(sandbox, bad::kCrash));
    ASSERT_TRUE(WaitUntil([&] { return custody::SaverProcesses(sandbox, fullScreen.Id()).empty(); }));
    EXPECT_TRUE(CoversTheScreen(black)) << "uncovered once every entry failed";
    EXPECT_TRUE(fullScreen.Running());
    Xdotool(L"key space");
    EXPECT_TRUE(fullScreen.WaitForExit(kAllEndWithin));
    EXPECT_EQ(sandbox.SaverRuns(bad::kCrash.misbehaviour).size(), 1u) << "tried once";

    HWND window = sandbox.StartPreviewParent();
    ASSERT_TRUE(window);
    Process& preview = sandbox.Start(self, L"/p " + Hwnd(window));
    const HWND green = WaitFor([&] {
        for (HWND child : Children(window))
            if (ClassName(child) == FromUtf8(vr::kGreenPaneClass)) return child;
        return HWND{};
    });
    ASSERT_TRUE(green);
    EXPECT_TRUE(WaitUntil([&] {
        return ClientSize(green).cx == ClientSize(window).cx && ClientSize(green).cy == ClientSize(window).cy;
    })) << "the green does not fill the window";
    KillProcess(OwnerProcess(window));
    EXPECT_TRUE(preview.WaitForExit(kRotatorEndsWithin));

    EXPECT_EQ(ReadFileBytes(sandbox.PathOf(L"myList.spls")), playlist);
    EXPECT_FALSE(FileExists(sandbox.PathOf(L"config.cfg")));
}

namespace {

// The system menu's last item, ours, chosen by the mouse: a click on the caption's icon opens the menu, a
// click on its last item chooses it.
void ChooseLastSystemMenuItemByMouse(HWND window) {
    const RECT outer = WindowRect(window);
    const int x = outer.left + GetSystemMetrics(SM_CXFIXEDFRAME) + GetSystemMetrics(SM_CXSMICON) / 2;
    const int y = outer.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    Xdotool(L"mousemove " + std::to_wstring(x) + L" " + std::to_wstring(y) + L" click 1");
    HWND menu = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return IsShown(menu = FindWindowW(L"#32768", nullptr)); }))
        << "no system menu";
    const RECT items = WindowRect(menu);
    Xdotool(L"mousemove " + std::to_wstring(items.left + 30) + L" " + std::to_wstring(items.bottom - 10) +
            L" click 1");
}

}  // namespace

// "Use the playlist as the screensaver" in the player bar's system menu, chosen by keyboard and by
// mouse. Wine has no install entry in its display control panel, so the player runs here without
// Veilrunner.scr beside it, and says so rather than asking the control panel for a missing file.
TEST(PlaylistSaver, ThePlayerBarsSystemMenuItemIsReachedByKeyboardAndByMouse) {
    Sandbox sandbox;
    const auto [w, savers] = player::StartPlayingLogSavers(sandbox, {L"A"});
    const std::wstring missing = sandbox.PathOf(L"Veilrunner.scr");
    auto expectMissingReported = [&](const char* how) {
        HWND box = WaitForDialog(w.processId);
        ASSERT_TRUE(box) << how;
        const auto texts = StaticTexts(box);
        EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const std::wstring& t) {
            return t.find(missing) != std::wstring::npos;
        })) << how;
        PressOk(box);
        ASSERT_TRUE(WaitUntilNoDialog(w.processId)) << how;
    };
    ChooseSystemMenuItemByKeyboard(w.bar, 1);  // the last item
    expectMissingReported("by keyboard");
    ChooseLastSystemMenuItemByMouse(w.bar);
    expectMissingReported("by mouse");
}
