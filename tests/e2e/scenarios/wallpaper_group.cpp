// The playlist window's desktop wallpaper mode group: "Save..." writes the header lines for the
// chosen placement, "Run..." hands the file to the shell, "Add to autostart folder!" puts a
// shortcut to it into the Startup folder.
#include <gtest/gtest.h>

#include <optional>

#include "Dialogs.h"
#include "Player.h"
#include "playlist/PlaylistWindowIds.h"
#include "wallpaper_support.h"

using namespace e2e;
using namespace vr::PlaylistWindowId;

namespace {

std::vector<std::string> Numbers(long x, long y, long width, long height, int interval) {
    std::vector<std::string> lines;
    for (long value : {x, y, width, height, static_cast<long>(interval)})
        lines.push_back(std::to_string(value));
    return lines;
}

// Clicks a button of the group whose handler asks for a file name first, and gives it `path`.
void ChooseThroughDialog(const player::Windows& w, int buttonId, const std::wstring& path) {
    PostClick(FindControl(w.playlist, buttonId));
    HWND dialog = WaitForDialog(w.processId);
    ASSERT_NE(dialog, nullptr) << "no file dialog";
    TypeFileName(dialog, path);
    PressOk(dialog);
}

class WallpaperSave : public ::testing::Test {
protected:
    static constexpr int kInterval = 6;

    // A player with two entries whose host window stands at 200, 150 (maximised when asked);
    // the stand-in desktop runs so that "Progman" exists.
    void StartPlayer(bool hostMaximized) {
        iconView_ = wallpaper::StartDesktop(sandbox_);
        entries_ = {sandbox_.CopyLogSaver(L"One"), sandbox_.CopyLogSaver(L"Two")};
        player::Settings settings;
        settings.host = {200, 150};
        settings.hostClient = {320, 240};
        settings.hostMaximized = hostMaximized;
        settings.interval = kInterval;
        w_ = player::StartPlayer(sandbox_, settings, entries_);
        // The start-up sequence maximises the host window after showing it.
        if (hostMaximized) {
            ASSERT_TRUE(WaitUntil([&] { return IsZoomed(w_.host) != FALSE; }));
        }
    }

    // Checks the radio button, saves through the group's "Save..." and returns the file's lines.
    std::vector<std::string> SaveWith(int radioButtonId) {
        Click(FindControl(w_.playlist, radioButtonId));
        const std::wstring path = sandbox_.PathOf(L"saved.scfg");
        ChooseThroughDialog(w_, Button11, path);
        EXPECT_TRUE(WaitUntil([&] { return FileExists(path); }));
        return ReadLines(path);
    }

    std::vector<std::string> WithEntries(std::vector<std::string> header) const {
        for (const std::wstring& entry : entries_) header.push_back(ToAnsi(entry));
        return header;
    }

    Sandbox sandbox_;
    HWND iconView_ = nullptr;
    std::vector<std::wstring> entries_;
    player::Windows w_;
};

}  // namespace

TEST_F(WallpaperSave, ClientAreaChoiceWritesTheHostClientAreaOnTheScreen) {
    StartPlayer(false);
    const auto lines = SaveWith(RadioButton1);
    const POINT origin = wallpaper::ClientOrigin(w_.host);
    const SIZE client = ClientSize(w_.host);
    EXPECT_EQ(lines, WithEntries(Numbers(origin.x, origin.y, client.cx, client.cy, kInterval)));
}

TEST_F(WallpaperSave, PlayerWindowChoiceWritesTheHostWindowsOuterRectangle) {
    StartPlayer(false);
    const auto lines = SaveWith(RadioButton2);
    const RECT outer = WindowRect(w_.host);
    EXPECT_EQ(lines,
              WithEntries(Numbers(200, 150, outer.right - outer.left, outer.bottom - outer.top, kInterval)));
    EXPECT_EQ(outer.left, 200);
}

TEST_F(WallpaperSave, PlayerWindowChoiceWhileMaximisedTakesClientLeftAndWidth) {
    StartPlayer(true);
    const auto lines = SaveWith(RadioButton2);
    const RECT outer = WindowRect(w_.host);
    const POINT origin = wallpaper::ClientOrigin(w_.host);
    const SIZE client = ClientSize(w_.host);
    EXPECT_EQ(lines,
              WithEntries(Numbers(origin.x, outer.top, client.cx, outer.bottom - outer.top, kInterval)));
    // Only a frame around the client area lets this case tell the two rectangles apart.
    EXPECT_NE(origin.x, outer.left);
    EXPECT_NE(origin.y, outer.top);
}

TEST_F(WallpaperSave, WholeDesktopChoiceWritesTheProgramManagersRectangle) {
    StartPlayer(false);
    const auto lines = SaveWith(RadioButton3);
    const RECT desktop = WindowRect(GetParent(iconView_));
    EXPECT_EQ(lines, WithEntries(Numbers(desktop.left, desktop.top, desktop.right - desktop.left,
                                         desktop.bottom - desktop.top, kInterval)));
    EXPECT_GT(desktop.right - desktop.left, 0);
}

TEST(WallpaperRun, WithoutAFileAsksForOneAndCancelledStartsNothing) {
    Sandbox sandbox;
    HWND iconView = wallpaper::StartDesktop(sandbox);
    const std::wstring program = sandbox.CopyProgram();
    const wallpaper::ScfgAssociation association(program);
    player::Windows w = player::StartPlayer(sandbox, {}, {sandbox.CopyLogSaver(L"One")});

    PostClick(FindControl(w.playlist, Button12));
    HWND dialog = WaitForDialog(w.processId);
    ASSERT_NE(dialog, nullptr) << "no file dialog";
    PressCancel(dialog);
    ASSERT_TRUE(WaitUntilNoDialog(w.processId));

    // Still no file: the next "Run..." asks again; saved this time, the shell starts a player
    // in the mode with it, the only one besides this instance.
    const std::wstring path = sandbox.PathOf(L"run.scfg");
    ChooseThroughDialog(w, Button12, path);
    const HWND embedded = WaitFor([&] {
        const auto hosts = wallpaper::EmbeddedHosts(iconView);
        return hosts.empty() ? nullptr : hosts.front();
    });
    ASSERT_NE(embedded, nullptr) << "the shell started no player in the mode";
    EXPECT_EQ(wallpaper::EmbeddedHosts(iconView).size(), 1u);
    std::size_t players = 0;
    for (const ProcessInfo& p : ProcessesRunningFrom(sandbox.Folder()))
        players += _wcsicmp(p.exeName.c_str(), L"Veilrunner.exe") == 0;
    EXPECT_EQ(players, 2u);
    EXPECT_TRUE(FileExists(path));
}

TEST(WallpaperRun, AfterLoadingAPlaylistOpensItWithoutAsking) {
    Sandbox sandbox;
    HWND iconView = wallpaper::StartDesktop(sandbox);
    const wallpaper::ScfgAssociation association(sandbox.CopyProgram());
    const std::wstring saver = sandbox.CopyLogSaver(L"One");
    const std::wstring path = sandbox.PathOf(L"loaded.scfg");
    const std::string text = wallpaper::ScfgText({25, 35, 210, 140, 0}, {saver});
    WriteFileBytes(path, text);
    player::Windows w = player::StartPlayer(sandbox, {}, {saver});
    ChooseThroughDialog(w, Button5, path);
    ASSERT_TRUE(WaitUntilNoDialog(w.processId));

    // A save dialog now would keep the shell from being asked, and no player would appear.
    PostClick(FindControl(w.playlist, Button12));
    const HWND embedded = WaitFor([&] {
        const auto hosts = wallpaper::EmbeddedHosts(iconView);
        return hosts.empty() ? nullptr : hosts.front();
    });
    ASSERT_NE(embedded, nullptr) << "the shell started no player in the mode";
    // Embedded from its creation on, it moves to the file's place during its start-up.
    EXPECT_TRUE(WaitUntil([&] {
        const POINT place = wallpaper::PlaceInParent(embedded);
        return place.x == 25 && place.y == 35;
    }));
    EXPECT_EQ(ReadFileBytes(path), text);
}

// A portable copy has no association for the file, or another program's: "Run..." then starts
// this program itself with the file, as the association would have.
TEST(WallpaperRun, WhereTheAssociationNamesNoneOrAnotherProgramStartsThisOne) {
    Sandbox sandbox;
    HWND iconView = wallpaper::StartDesktop(sandbox);
    const std::wstring saver = sandbox.CopyLogSaver(L"One");
    const std::wstring path = sandbox.PathOf(L"portable.scfg");
    WriteFileBytes(path, wallpaper::ScfgText({25, 35, 210, 140, 0}, {saver}));
    player::Windows w = player::StartPlayer(sandbox, {}, {saver});
    ChooseThroughDialog(w, Button5, path);
    ASSERT_TRUE(WaitUntilNoDialog(w.processId));

    for (bool anotherProgram : {false, true}) {
        SCOPED_TRACE(anotherProgram ? "another program's association" : "no association");
        std::optional<wallpaper::ScfgAssociation> association;
        if (anotherProgram) association.emplace(sandbox.CopyLogSaver(L"Other"));
        const std::size_t before = wallpaper::EmbeddedHosts(iconView).size();
        PostClick(FindControl(w.playlist, Button12));
        EXPECT_TRUE(WaitUntil([&] { return wallpaper::EmbeddedHosts(iconView).size() == before + 1; }))
            << "no player started in the mode";
        EXPECT_TRUE(sandbox.SaverRuns(L"Other").empty()) << "the other program was started";
    }
}

namespace {

// The shortcut a scenario makes in the Startup folder the whole test run shares, removed when
// the scenario ends.
struct StartupShortcut {
    explicit StartupShortcut(const std::wstring& fileName)
        : path(wallpaper::StartupFolder() + L"\\" + fileName) {
        DeleteFileW(path.c_str());
    }
    ~StartupShortcut() { DeleteFileW(path.c_str()); }
    StartupShortcut(const StartupShortcut&) = delete;
    StartupShortcut& operator=(const StartupShortcut&) = delete;
    std::wstring path;
};

std::size_t ShortcutsFor(const std::wstring& pattern) {
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((wallpaper::StartupFolder() + L"\\" + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    std::size_t count = 0;
    do ++count;
    while (FindNextFileW(search, &found));
    FindClose(search);
    return count;
}

void ExpectShortcutTo(const std::wstring& link, const std::wstring& target, const std::wstring& program) {
    std::optional<wallpaper::Shortcut> shortcut;
    ASSERT_TRUE(WaitUntil([&] { return (shortcut = wallpaper::ReadShortcut(link)).has_value(); }))
        << "no shortcut at " << ToUtf8(link);
    EXPECT_EQ(shortcut->target, target);
    EXPECT_EQ(shortcut->description, L"Desktop Wallpaper Mode Playlist");
    EXPECT_EQ(shortcut->arguments, L"");
    EXPECT_EQ(_wcsicmp(shortcut->iconFile.c_str(), program.c_str()), 0) << ToUtf8(shortcut->iconFile);
    EXPECT_EQ(shortcut->iconIndex, 0);
}

}  // namespace

TEST(WallpaperAutostart, ShortcutToTheSavedPlaylistAndASecondOneReplacesIt) {
    const StartupShortcut link(L"Desktop Wallpaper Mode Playlist - (mine.scfg).lnk");
    Sandbox sandbox;
    const std::wstring program = sandbox.CopyProgram();
    player::Windows w = player::StartPlayer(sandbox, {}, {sandbox.CopyLogSaver(L"One")});
    const std::wstring path = sandbox.PathOf(L"mine.scfg");

    ChooseThroughDialog(w, Button13, path);
    ExpectShortcutTo(link.path, path, program);
    EXPECT_TRUE(FileExists(path));

    // The file is known now: no dialog, and the shortcut of the same name is written anew.
    WriteFileBytes(link.path, "not a shortcut");
    ASSERT_FALSE(wallpaper::ReadShortcut(link.path).has_value());
    PostClick(FindControl(w.playlist, Button13));
    ExpectShortcutTo(link.path, path, program);
    EXPECT_EQ(ShortcutsFor(L"Desktop Wallpaper Mode Playlist - (*"), 1u);
}
