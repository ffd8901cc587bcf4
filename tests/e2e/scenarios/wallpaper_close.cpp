// "Close" in the playlist window of an ordinary instance ends every player embedded in the
// desktop, one after the other.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>

#include "Player.h"
#include "hosting/HostWindowIds.h"
#include "player/PlayerBarIds.h"
#include "playlist/PlaylistWindowIds.h"
#include "wallpaper_support.h"

using namespace e2e;

namespace {

void ExpectTwoEmbeddedPlayersEndedOneAfterTheOther(DesktopLayout layout) {
    Sandbox sandbox;
    HWND iconView = wallpaper::StartDesktop(sandbox, {0, 0}, layout);
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

}  // namespace

TEST(WallpaperClose, EndsTwoEmbeddedPlayersAtTheirOwnPlacesOneAfterTheOther) {
    ExpectTwoEmbeddedPlayersEndedOneAfterTheOther(DesktopLayout::IconViewInProgman);
}

// The icon view, and the players in it, in a "WorkerW" window, with "Progman" holding none.
TEST(WallpaperClose, EndsPlayersEmbeddedInTheIconViewThatAWorkerWHolds) {
    ExpectTwoEmbeddedPlayersEndedOneAfterTheOther(DesktopLayout::IconViewInWorkerW);
}

TEST(WallpaperClose, FromAnEmbeddedInstanceEndsTheOthersAndLeavesItselfRunning) {
    Sandbox sandbox;
    HWND iconView = wallpaper::StartDesktop(sandbox);
    WriteFileBytes(sandbox.PathOf(L"a.scfg"),
                   wallpaper::ScfgText({10, 20, 200, 150, 0}, {sandbox.CopyLogSaver(L"WallA")}));
    WriteFileBytes(sandbox.PathOf(L"b.scfg"),
                   wallpaper::ScfgText({300, 250, 160, 120, 0}, {sandbox.CopyLogSaver(L"WallB")}));
    WriteFileBytes(sandbox.PathOf(L"config.cfg"), player::ConfigText({}));
    WriteFileBytes(sandbox.PathOf(L"myList.spls"), "");
    Process& other = sandbox.StartProgram(L"\"" + sandbox.PathOf(L"a.scfg") + L"\"");
    Process& self = sandbox.StartProgram(L"\"" + sandbox.PathOf(L"b.scfg") + L"\"");
    ASSERT_NE(wallpaper::WaitForEmbeddedHost(iconView, other.Id()), nullptr);
    HWND ownHost = wallpaper::WaitForEmbeddedHost(iconView, self.Id());
    ASSERT_NE(ownHost, nullptr);
    player::WaitForPreviewRun(sandbox, L"WallB", 1);

    // The playlist window of an instance in the mode, opened as "Playlist..." on its bar does.
    HWND bar = FindTopWindow(self.Id(), L"TfrmSVDOptions");
    HWND playlist = FindTopWindow(self.Id(), L"TForm1");
    ASSERT_TRUE(bar && playlist);
    Click(FindControl(bar, vr::PlayerBarId::Button7));
    ASSERT_TRUE(WaitUntil([&] { return IsShown(playlist); }));
    Click(FindControl(playlist, vr::PlaylistWindowId::Button10));

    EXPECT_EQ(other.WaitForExit(), 0u);
    // Closing its own host window would have closed its bar, the main window, before the click
    // returned.
    EXPECT_TRUE(Exists(bar));
    EXPECT_TRUE(IsShown(ownHost));
    EXPECT_TRUE(self.Running());
    EXPECT_EQ(wallpaper::EmbeddedHosts(iconView), std::vector<HWND>{ownHost});
}

namespace {

// A window of the host window's class inside the icon view that stays when asked to close, as
// a player that only hides its host window would. It belongs to this test's thread, which must
// handle messages for it to answer.
class SurvivingHost {
public:
    explicit SurvivingHost(HWND iconView) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &Procedure;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TfrmSVDActive";
        RegisterClassW(&wc);
        window_ = CreateWindowExW(0, wc.lpszClassName, L"survivor", WS_CHILD | WS_VISIBLE, 600, 400, 100, 80,
                                  iconView, nullptr, wc.hInstance, nullptr);
        closeRequests_ = 0;
    }
    SurvivingHost(const SurvivingHost&) = delete;
    SurvivingHost& operator=(const SurvivingHost&) = delete;
    ~SurvivingHost() { DestroyWindow(window_); }

    HWND Handle() const { return window_; }
    int CloseRequests() const { return closeRequests_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_CLOSE) {
            ++closeRequests_;
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    static inline int closeRequests_ = 0;
    HWND window_ = nullptr;
};

// Shared with the clicking thread, which may outlive a failed scenario's wait.
struct ClickJob {
    HWND button = nullptr;
    std::atomic<bool> answered{false};
};

DWORD WINAPI ClickAndWait(void* parameter) {
    const std::unique_ptr<std::shared_ptr<ClickJob>> job(static_cast<std::shared_ptr<ClickJob>*>(parameter));
    try {
        Click((*job)->button);
        (*job)->answered = true;
    } catch (const std::exception&) {
    }
    return 0;
}

// Handles this thread's messages until the thread ends or the deadline passes; true when it ended.
bool PumpUntilEnded(HANDLE thread) {
    const auto giveUp = std::chrono::steady_clock::now() + kDeadline;
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(giveUp - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        const DWORD woke =
            MsgWaitForMultipleObjects(1, &thread, FALSE, static_cast<DWORD>(left.count()), QS_ALLINPUT);
        if (woke == WAIT_OBJECT_0) return true;
        if (woke != WAIT_OBJECT_0 + 1) return false;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }
}

}  // namespace

TEST(WallpaperClose, AWindowThatSurvivesItsCloseIsAskedOnceAndTheLoopEnds) {
    Sandbox sandbox;
    HWND iconView = wallpaper::StartDesktop(sandbox);
    const std::wstring saver = sandbox.CopyLogSaver(L"Wall");
    WriteFileBytes(sandbox.PathOf(L"wall.scfg"), wallpaper::ScfgText({}, {saver}));
    WriteFileBytes(sandbox.PathOf(L"config.cfg"), player::ConfigText({}));
    WriteFileBytes(sandbox.PathOf(L"myList.spls"), "");
    Process& embedded = sandbox.StartProgram(L"\"" + sandbox.PathOf(L"wall.scfg") + L"\"");
    ASSERT_NE(wallpaper::WaitForEmbeddedHost(iconView, embedded.Id()), nullptr);
    const SurvivingHost survivor(iconView);
    ASSERT_NE(survivor.Handle(), nullptr);

    player::Windows closer = player::StartPlayer(sandbox, {}, {sandbox.CopyLogSaver(L"Plain")});
    auto job = std::make_shared<ClickJob>();
    job->button = FindControl(closer.playlist, vr::PlaylistWindowId::Button10);
    auto* shared = new std::shared_ptr<ClickJob>(job);
    HANDLE thread = CreateThread(nullptr, 0, &ClickAndWait, shared, 0, nullptr);
    if (!thread) delete shared;
    ASSERT_NE(thread, nullptr);
    const bool ended = PumpUntilEnded(thread);
    CloseHandle(thread);

    ASSERT_TRUE(ended) << "the click thread did not end";
    EXPECT_TRUE(job->answered) << "\"Close\" did not return";
    EXPECT_EQ(survivor.CloseRequests(), 1);
    EXPECT_TRUE(Exists(survivor.Handle()));
    EXPECT_EQ(embedded.WaitForExit(), 0u);
}

namespace {

// A window of the host window's class inside the icon view whose thread never handles a message
// until the scenario lets it go, as a hung instance's host window. It lies clear of the other
// host: under Wine, a window that goes uncovers its siblings by messages to their threads, so a
// closing instance would wait on this one too.
class HungHost {
public:
    explicit HungHost(HWND iconView) : iconView_(iconView) {
        thread_ = CreateThread(nullptr, 0, &Run, this, 0, nullptr);
        if (thread_) WaitForSingleObject(ready_, kDeadline.count());
    }
    HungHost(const HungHost&) = delete;
    HungHost& operator=(const HungHost&) = delete;
    ~HungHost() {
        SetEvent(release_);
        if (thread_) WaitForSingleObject(thread_, kDeadline.count());
        for (HANDLE h : {thread_, ready_, release_})
            if (h) CloseHandle(h);
    }

    HWND Handle() const { return window_; }

private:
    static DWORD WINAPI Run(void* self) {
        auto& host = *static_cast<HungHost*>(self);
        WNDCLASSW wc{};
        wc.lpfnWndProc = &DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TfrmSVDActive";
        RegisterClassW(&wc);
        host.window_ = CreateWindowExW(0, wc.lpszClassName, L"hung", WS_CHILD | WS_VISIBLE, 900, 700, 100, 80,
                                       host.iconView_, nullptr, wc.hInstance, nullptr);
        SetEvent(host.ready_);
        WaitForSingleObject(host.release_, INFINITE);  // answers nothing meanwhile
        DestroyWindow(host.window_);
        return 0;
    }

    HWND iconView_;
    HWND window_ = nullptr;
    HANDLE ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE release_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE thread_ = nullptr;
};

}  // namespace

TEST(WallpaperClose, AnInstanceThatNeverAnswersIsLeftAndTheOthersEnd) {
    Sandbox sandbox;
    HWND iconView = wallpaper::StartDesktop(sandbox);
    WriteFileBytes(sandbox.PathOf(L"wall.scfg"),
                   wallpaper::ScfgText({10, 20, 200, 150, 0}, {sandbox.CopyLogSaver(L"Wall")}));
    WriteFileBytes(sandbox.PathOf(L"config.cfg"), player::ConfigText({}));
    WriteFileBytes(sandbox.PathOf(L"myList.spls"), "");
    const HungHost hung(iconView);
    ASSERT_NE(hung.Handle(), nullptr);
    Process& embedded = sandbox.StartProgram(L"\"" + sandbox.PathOf(L"wall.scfg") + L"\"");
    ASSERT_NE(wallpaper::WaitForEmbeddedHost(iconView, embedded.Id()), nullptr);

    player::Windows closer = player::StartPlayer(sandbox, {}, {sandbox.CopyLogSaver(L"Plain")});
    HWND closeButton = FindControl(closer.playlist, vr::PlaylistWindowId::Button10);
    Click(closeButton);  // throws when the click is not answered in time
    EXPECT_EQ(embedded.WaitForExit(), 0u);
    EXPECT_TRUE(Exists(hung.Handle()));
    EXPECT_TRUE(WaitUntil([&] { return IsEnabled(closeButton); }));

    // The closing instance answers and closes when asked.
    Send(closer.bar, WM_CLOSE);
    EXPECT_TRUE(WaitUntil([&] { return !ProcessRunning(closer.processId); }));
}
