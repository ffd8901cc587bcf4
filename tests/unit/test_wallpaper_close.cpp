#include "hosting/WallpaperCloseLoop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace vr {
namespace {

// A desktop whose windows go away when closed unless marked as surviving, and which records
// every call the loop makes in order.
class FakeDesktop final : public EmbeddedPlayerDesktop {
public:
    std::vector<EmbeddedWindowId> windows;
    std::vector<EmbeddedWindowId> survivors;
    // Windows that appear on the desktop once the given window has been closed.
    std::map<EmbeddedWindowId, EmbeddedWindowId> appearsAfterClosing;
    std::vector<std::string> calls;
    int searches = 0;

    std::vector<EmbeddedWindowId> EmbeddedHostWindows() override {
        ++searches;
        // A loop that never ends is the fault under test; fail instead of hanging.
        if (searches > 100) throw std::runtime_error("the close loop does not end");
        return windows;
    }
    void SetCloseButtonEnabled(bool enabled) override { calls.push_back(enabled ? "enable" : "disable"); }
    void RequestClose(EmbeddedWindowId window) override {
        calls.push_back("close " + std::to_string(window));
        if (std::find(survivors.begin(), survivors.end(), window) == survivors.end())
            std::erase(windows, window);
        if (const auto next = appearsAfterClosing.find(window); next != appearsAfterClosing.end())
            windows.push_back(next->second);
    }
    void ProcessWaitingMessages() override { calls.push_back("messages"); }
    void PauseBetweenRounds() override { calls.push_back("pause"); }
};

std::vector<std::string> Round(EmbeddedWindowId window) {
    return {"disable", "close " + std::to_string(window), "messages", "pause", "enable"};
}

std::vector<std::string> Rounds(std::initializer_list<EmbeddedWindowId> windows) {
    std::vector<std::string> all;
    for (EmbeddedWindowId w : windows) {
        const auto round = Round(w);
        all.insert(all.end(), round.begin(), round.end());
    }
    return all;
}

TEST(WallpaperClose, NothingEmbeddedReturnsAfterOneSearch) {
    FakeDesktop desktop;
    CloseEmbeddedPlayers(desktop);
    EXPECT_TRUE(desktop.calls.empty());
    EXPECT_EQ(desktop.searches, 1);
}

TEST(WallpaperClose, ClosesEachWindowInListOrderWithAPauseAfterEach) {
    FakeDesktop desktop;
    desktop.windows = {11, 22, 33};
    CloseEmbeddedPlayers(desktop);
    EXPECT_EQ(desktop.calls, Rounds({11, 22, 33}));
    EXPECT_TRUE(desktop.windows.empty());
}

TEST(WallpaperClose, SearchesAnewAfterEachClose) {
    FakeDesktop desktop;
    desktop.windows = {11};
    desktop.appearsAfterClosing = {{11, 44}};
    CloseEmbeddedPlayers(desktop);
    EXPECT_EQ(desktop.calls, Rounds({11, 44}));
    EXPECT_EQ(desktop.searches, 3);
}

TEST(WallpaperClose, AWindowThatSurvivesIsAskedOnceAndTheOthersStillClose) {
    FakeDesktop desktop;
    desktop.windows = {11, 22, 33};
    desktop.survivors = {11};
    CloseEmbeddedPlayers(desktop);
    EXPECT_EQ(desktop.calls, Rounds({11, 22, 33}));
    EXPECT_EQ(desktop.windows, std::vector<EmbeddedWindowId>{11});
}

TEST(WallpaperClose, OnlySurvivorsLeftEndsTheLoop) {
    FakeDesktop desktop;
    desktop.windows = {11, 22};
    desktop.survivors = {11, 22};
    CloseEmbeddedPlayers(desktop);
    EXPECT_EQ(desktop.calls, Rounds({11, 22}));
}

}  // namespace
}  // namespace vr
