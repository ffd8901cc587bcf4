#include "player/StartupSequence.h"

#include <gtest/gtest.h>

#include "player/Choices.h"
#include "files/TextLines.h"
#include "playlist_fakes.h"

namespace vr {
namespace {

using Lines = std::vector<std::string>;

const std::string kFolder = "C:\\Prog\\";
const std::string kConfig = "C:\\Prog\\config.cfg";
const std::string kSaved = "C:\\Prog\\myList.spls";
const std::string kA = "C:\\Savers\\Aurora.scr";
const std::string kB = "C:\\Savers\\Bubbles.scr";
const std::string kC = "C:\\Savers\\Comets.scr";
const std::string kWin = "C:\\WINDOWS\\w.scr";
const std::string kSys = "C:\\WINDOWS\\system32\\s.scr";

const char* GeometryName(Geometry g) {
    switch (g) {
    case Geometry::Left: return "left";
    case Geometry::Top: return "top";
    case Geometry::ClientWidth: return "width";
    case Geometry::ClientHeight: return "height";
    }
    return "?";
}

// Writes down what the sequence asks of the windows, and passes the interval on to the
// rotation timer as the player bar's TimeComboChange does.
class RecordingWorld : public StartupWorld {
public:
    RecordingWorld(test::FakeRotationTimer& timer, Playlist& playlist) : timer_(timer), playlist_(playlist) {}

    Lines log;
    bool hostVisible = false;
    int dpi = kDesignDpi;  // the monitor's

    // The last value the sequence gave, e.g. "host top".
    int Placed(const std::string& what) const {
        for (auto line = log.rbegin(); line != log.rend(); ++line)
            if (line->rfind(what + " ", 0) == 0) return std::stoi(line->substr(what.size() + 1));
        ADD_FAILURE() << "nothing placed as " << what;
        return 0;
    }

    std::vector<DockRect> expected;  // host, bar, playlist; announced before any step when empty
    void ExpectPlaces(const DockRect& host, const DockRect& bar, const DockRect& list) override {
        if (log.empty()) expected = {host, bar, list};
    }
    void SetHost(Geometry g, int v) override { Note("host", g, v); }
    void SetPlayerBar(Geometry g, int v) override { Note("bar", g, v); }
    void SetPlaylistWindow(Geometry g, int v) override { Note("list", g, v); }
    void SelectInterval(int item) override {
        log.push_back("interval " + std::to_string(item));
        if (const auto ms = IntervalOfItem(item)) timer_.interval = *ms;
        playlist_.ApplySelection();
    }
    void SyncSaverDisplay() override { log.push_back("sync"); }
    void ShowPlaylistWindowFocused() override { log.push_back("show playlist"); }
    void ShowHelpText(bool visible) override { log.push_back(visible ? "help on" : "help off"); }
    bool HostVisible() override { return hostVisible; }
    void ShowHost() override {
        hostVisible = true;
        log.push_back("show host");
    }
    void SetHostCaption(const std::string& caption) override { log.push_back("caption " + caption); }
    void MaximizeHost() override { log.push_back("maximize"); }
    void SetPlacementChoice(PlacementChoice c) override {
        log.push_back("placement " + std::to_string(static_cast<int>(c)));
    }
    void ChooseOneSaverAcrossMonitors() override { log.push_back("one saver across monitors"); }
    std::string WindowsFolder() override { return "C:\\WINDOWS"; }
    std::vector<std::string> SystemFolders() override { return {"C:\\WINDOWS\\system32"}; }
    ScreenArea ScreenAt(DockPoint) override { return {{0, 0, 1920, 1080}, dpi}; }
    // Frame and caption grow a little less than the scale.
    DockSize OuterSize(DockRole, DockSize client, int at) override {
        return {client.width + ScaleForDpi(8, at), client.height + ScaleForDpi(30, at) - 1};
    }

private:
    void Note(const char* window, Geometry g, int v) {
        log.push_back(std::string(window) + " " + GeometryName(g) + " " + std::to_string(v));
    }
    test::FakeRotationTimer& timer_;
    Playlist& playlist_;
};

const Lines kDefaultPlacement{"host left 341",  "host top 113",   "host width 474", "host height 355",
                              "bar left 341",   "bar top 37",     "list left 1",    "list top 37",
                              "list width 327", "list height 431"};

Lines Concat(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Lines ConfigWith(std::size_t line, const std::string& value) {
    Lines lines(18, "");
    lines[0] = "Veilrunner 2.00 Config File";
    lines[line] = value;
    return lines;
}

class StartupSequenceTest : public ::testing::Test, protected test::PlaylistRig {
protected:
    StartupSequenceTest() {
        for (const auto& path : {kA, kB, kC, kWin, kSys}) files.AddFile(path);
        files.folders["C:\\WINDOWS"] = {"C:\\WINDOWS", {"w.scr"}};
        files.folders["C:\\WINDOWS\\system32"] = {"C:\\WINDOWS\\system32", {"s.scr"}};
    }

    void Run(const std::string& argument = "", bool wallpaperMode = false) {
        display.wallpaperMode = wallpaperMode;
        RunStartupSequence({kFolder, argument, wallpaperMode}, world, files, playlist, linesRead, read);
    }

    RecordingWorld world{timer, playlist};
    Lines linesRead{"stale"};
    SavedFilesRead read{true, true};
};

TEST_F(StartupSequenceTest, FirstRunTakesEveryDefaultAndFillsFromWindowsAndSystem) {
    Run();
    EXPECT_EQ(world.log,
              Concat(kDefaultPlacement, {"interval 4", "sync", "show playlist", "help on", "show host"}));
    // The whole rectangles, announced before the first window moves, so each snaps against them.
    EXPECT_EQ(world.expected,
              (std::vector<DockRect>{{341, 113, 482, 384}, {341, 37, 484, 73}, {1, 37, 335, 460}}));
    EXPECT_EQ(linesRead, Lines{"X"});
    EXPECT_EQ(playlist.Entries(), (Lines{kWin, kSys}));
    EXPECT_EQ(playlist.Selected(), 0);
    EXPECT_EQ(display.saverFile, kWin);
    EXPECT_EQ(timer.interval, 21000u);
    EXPECT_TRUE(timer.running);
    EXPECT_EQ(files.discarded, (Lines{kConfig, kSaved}));
}

TEST_F(StartupSequenceTest, SavedSettingsAreAppliedInOrder) {
    ConfigSnapshot saved;
    saved.saverFile = kB;
    saved.host = {10, 20, 640, 480};
    saved.playerBarLeft = 30;
    saved.playerBarTop = -40;
    saved.playlistWindowVisible = false;
    saved.playlistWindow = {50, 60, 300, 200};
    saved.selectedEntry = 1;
    saved.intervalItem = 0;
    saved.helpTextVisible = false;
    saved.hostMaximized = true;
    saved.placement = PlacementChoice::PlayerWindow;
    saved.oneSaverAcrossMonitors = true;
    files.AddFile(kConfig, BuildConfigLines(saved));
    files.AddFile(kSaved, {kA, kB, kC});
    world.hostVisible = true;
    Run();
    EXPECT_EQ(world.log, (Lines{"host left 10", "host top 20", "host width 640", "host height 480",
                                "bar left 30", "bar top -40", "list left 50", "list top 60", "list width 300",
                                "list height 200", "interval 0", "sync", "help off", "maximize",
                                "placement 2", "one saver across monitors"}));
    EXPECT_EQ(playlist.Selected(), 1);
    EXPECT_EQ(display.saverFile, kB);
    EXPECT_TRUE(files.foldersListed.empty());
    EXPECT_FALSE(timer.running);
}

// At 150 % the first start's figures grow with the windows: the host stays under the bar and the
// playlist window beside it, and the playlist window shows the controls it shows at 100 %.
TEST_F(StartupSequenceTest, FirstStartAtAnotherScaleScalesTheFiguresAndKeepsTheirRelations) {
    world.dpi = 144;
    Run();
    const RecordingWorld& w = world;
    EXPECT_EQ(w.Placed("host width"), 711);
    EXPECT_EQ(w.Placed("host height"), 533);
    EXPECT_EQ(w.Placed("list width"), 491);
    EXPECT_EQ(w.Placed("list height"), 647);
    EXPECT_EQ(w.Placed("list left"), 2);
    EXPECT_EQ(w.Placed("list top"), 56);
    EXPECT_EQ(w.Placed("bar top"), 56);
    const int barBottom = w.Placed("bar top") + 66 + 44;  // client 44 at 144 DPI, frame 45 - 1
    EXPECT_EQ(w.Placed("host top"), barBottom + 5);       // 113 - (37 + 44 + 29) = 3 at 96 DPI, 4.5 now
    EXPECT_EQ(w.Placed("host left"), w.Placed("bar left"));
    EXPECT_EQ(w.Placed("bar left"), w.Placed("list left") + 491 + 12 + 8);  // 341 - (1 + 335) = 5
}

TEST_F(StartupSequenceTest, PlacesSavedAtOneScaleAreReadAtAnotherWithTheirRelations) {
    ConfigSnapshot saved;
    saved.playerBarLeft = 600;
    saved.playerBarTop = 300;
    saved.host = {600, 300 + 44 + 29, 320, 240};  // docked under the bar at 96 DPI
    saved.playlistWindow = {100, 300, 300, 300};
    saved.dpi = 96;
    files.AddFile(kConfig, BuildConfigLines(saved));
    world.dpi = 144;
    Run();
    EXPECT_EQ(world.Placed("bar left"), 900);
    EXPECT_EQ(world.Placed("bar top"), 450);
    EXPECT_EQ(world.Placed("host top"), 450 + 66 + 44);  // still right under the bar
    EXPECT_EQ(world.Placed("host left"), 900);
    EXPECT_EQ(world.Placed("host width"), 480);
    EXPECT_EQ(world.Placed("list left"), 150);
    EXPECT_EQ(world.Placed("list height"), 450);
}

// Files of earlier versions, and a DPI line that names no scale, keep their pixels.
TEST_F(StartupSequenceTest, PlacesWithoutAScaleAreTakenAsTheyStand) {
    for (const char* dpiLine : {"", "0", "96x", "5000"}) {
        ConfigSnapshot saved;
        saved.host = {10, 20, 640, 480};
        saved.playerBarLeft = 30;
        saved.playlistWindow = {50, 60, 300, 200};
        Lines lines = BuildConfigLines(saved);
        lines.resize(18);  // the DPI's line, and what follows it, written anew
        if (*dpiLine) lines.push_back(dpiLine);
        files.AddFile(kConfig, lines);
        world.dpi = 144;
        world.log.clear();
        Run();
        EXPECT_EQ(Lines(world.log.begin(), world.log.begin() + 10),
                  (Lines{"host left 10", "host top 20", "host width 640", "host height 480", "bar left 30",
                         "bar top 0", "list left 50", "list top 60", "list width 300", "list height 200"}))
            << dpiLine;
    }
}

struct SavedIndexCase {
    const char* label;
    std::string index;
    Lines entries;
    std::string current;
};

class SavedIndexTest : public StartupSequenceTest, public ::testing::WithParamInterface<SavedIndexCase> {};

TEST_P(SavedIndexTest, SavedIndexSelectsOrWindowsAndSystemFillsIn) {
    const SavedIndexCase& c = GetParam();
    files.AddFile(kConfig, ConfigWith(13, c.index));
    files.AddFile(kSaved, {kA, "C:\\Savers\\gone.scr", kB});
    Run();
    EXPECT_EQ(playlist.Entries(), c.entries);
    EXPECT_EQ(display.saverFile, c.current);
}

INSTANTIATE_TEST_SUITE_P(Indexes, SavedIndexTest,
                         ::testing::Values(
                             // The vanished middle entry shifts the saved index onto the next one.
                             SavedIndexCase{"VanishedEntryShiftsTheIndex", "1", {kA, kB}, kB},
                             SavedIndexCase{"NotANumberMeansZero", "one", {kA, kB}, kA},
                             SavedIndexCase{"MinusOne", "-1", {kA, kB, kWin, kSys}, kA},
                             SavedIndexCase{"PastTheEnd", "2", {kA, kB, kWin, kSys}, kA}),
                         [](const auto& instance) { return instance.param.label; });

TEST_F(StartupSequenceTest, ScreensaverArgumentComesFirstAndIsSelected) {
    files.AddFile(kConfig, ConfigWith(13, "1"));
    files.AddFile(kSaved, {kA, kB});
    Run(kC);
    EXPECT_EQ(playlist.Entries(), (Lines{kC, kA, kB}));
    EXPECT_EQ(playlist.Selected(), 0);
    EXPECT_EQ(display.saverFile, kC);
    EXPECT_TRUE(files.foldersListed.empty());
}

TEST_F(StartupSequenceTest, UnusableArgumentSelectsTheFirstSavedEntry) {
    files.AddFile(kConfig, ConfigWith(13, "1"));
    files.AddFile(kSaved, {kA, kB});
    Run("Shutdown");
    EXPECT_EQ(playlist.Entries(), (Lines{kA, kB}));
    EXPECT_EQ(display.saverFile, kA);
}

TEST_F(StartupSequenceTest, WallpaperPlaylistTakesOverPlacementAndInterval) {
    Lines config = ConfigWith(8, "1");
    config[16] = "1";
    config[17] = "1";
    files.AddFile(kConfig, config);
    files.AddFile(kSaved, {kA});
    const Lines wallpaper{"-1920", "0", "1920", "1080", "1", kB, kC};
    files.AddFile("D:\\walls\\desk.scfg", wallpaper);
    Run("D:\\walls\\desk.scfg", true);
    EXPECT_EQ(world.log,
              Concat(kDefaultPlacement,
                     {"interval 4", "sync", "help off", "show host", "host left -1920", "host top 0",
                      "host width 1920", "host height 1080", "interval 1", "caption DesktopWallpaperMode"}));
    EXPECT_EQ(linesRead, wallpaper);
    EXPECT_EQ(playlist.Entries(), (Lines{kB, kC, kA}));
    EXPECT_EQ(playlist.WallpaperListFile(), "D:\\walls\\desk.scfg");
    EXPECT_EQ(display.saverFile, kB);
    EXPECT_EQ(display.hostCaption, "DesktopWallpaperMode");
    EXPECT_EQ(timer.interval, 3000u);
}

TEST_F(StartupSequenceTest, ShortWallpaperHeaderTakesItsDefaults) {
    files.AddFile("w.scfg", {"50"});
    Run("w.scfg", true);
    const Lines& log = world.log;
    const Lines tail(log.end() - 6, log.end());
    EXPECT_EQ(tail, (Lines{"host left 50", "host top 100", "host width 320", "host height 240", "interval 2",
                           "caption DesktopWallpaperMode"}));
}

// A host of no size or a negative one has no pane to play in: each such size takes its default.
TEST_F(StartupSequenceTest, HostSizesOfNothingOrLessTakeTheirDefaults) {
    Lines config = ConfigWith(4, "0");
    config[5] = "-355";
    files.AddFile(kConfig, config);
    files.AddFile("w.scfg", {"50", "60", "-1", "0", "2"});
    Run("w.scfg", true);
    const Lines& log = world.log;
    EXPECT_EQ(Lines(log.begin() + 2, log.begin() + 4), (Lines{"host width 474", "host height 355"}));
    const Lines tail(log.end() - 6, log.end());
    EXPECT_EQ(tail, (Lines{"host left 50", "host top 60", "host width 320", "host height 240", "interval 2",
                           "caption DesktopWallpaperMode"}));
}

TEST_F(StartupSequenceTest, MissingWallpaperPlaylistStopsBeforeTheFirstPreview) {
    files.AddFile(kSaved, {kA, kB});
    EXPECT_THROW(Run("gone.scfg", true), AppError);
    EXPECT_EQ(world.log.back(), "show host");
    EXPECT_EQ(playlist.Selected(), 0);
    EXPECT_EQ(display.saverFile, "");
}

TEST_F(StartupSequenceTest, UnreadableArgumentPlaylistIsReportedAfterTheSavedStateLoads) {
    files.AddFile(kConfig, ConfigWith(13, "1"));
    files.AddFile(kSaved, {kA, kB});
    files.AddFile("D:\\held.spls", {kC});
    files.unreadable.insert("D:\\held.spls");
    EXPECT_THROW(Run("D:\\held.spls"), AppError);
    EXPECT_EQ(playlist.Entries(), (Lines{kA, kB}));
    EXPECT_EQ(playlist.Selected(), 1);
    EXPECT_EQ(display.saverFile, kB);
    EXPECT_EQ(world.log.back(), "show host");
    EXPECT_TRUE(read.settings && read.playlist);
}

TEST_F(StartupSequenceTest, AnUnreadableSavedPlaylistLeavesBothSavedFilesUnread) {
    files.AddFile(kConfig, ConfigWith(13, "1"));
    files.AddFile(kSaved, {kA, kB});
    files.unreadable.insert(kSaved);
    EXPECT_THROW(Run(), AppError);
    EXPECT_FALSE(read.playlist);
    EXPECT_FALSE(read.settings) << "the steps after it, which show the windows, did not run";
}

TEST_F(StartupSequenceTest, UnreadableSettingsStopEverything) {
    files.AddFile(kConfig, {"X"});
    files.unreadable.insert(kConfig);
    files.AddFile(kSaved, {kA});
    EXPECT_THROW(Run(kB), AppError);
    EXPECT_TRUE(world.log.empty());
    EXPECT_TRUE(linesRead.empty());
    EXPECT_TRUE(playlist.Entries().empty());
    EXPECT_FALSE(read.settings || read.playlist);
}

TEST_F(StartupSequenceTest, AnArgumentEndingInABlankNamesNoScreensaver) {
    files.AddFile(kConfig, ConfigWith(13, "1"));
    files.AddFile(kSaved, {kB, kC});
    Run(kA + " ");
    EXPECT_EQ(playlist.Entries(), (Lines{kB, kC}));
    EXPECT_EQ(playlist.Selected(), 0);
}

TEST_F(StartupSequenceTest, IntegersAndFlagsReadABlankDifferently) {
    Lines config = ConfigWith(8, " 1");
    config[16] = " 1";
    config[15] = "1";
    files.AddFile(kConfig, config);
    Run();
    const Lines& log = world.log;
    EXPECT_EQ(std::count(log.begin(), log.end(), "show playlist"), 0);
    EXPECT_EQ(std::count(log.begin(), log.end(), "maximize"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "help on"), 1);
}

TEST_F(StartupSequenceTest, PlacementChoiceOutsideOneToThreeIsLeftAlone) {
    for (const char* value : {"0", "4", "-1", "x"}) {
        world.log.clear();
        files.AddFile(kConfig, ConfigWith(17, value));
        Run();
        for (const auto& entry : world.log) {
            EXPECT_EQ(entry.rfind("placement", 0), std::string::npos) << value;
        }
    }
}

TEST_F(StartupSequenceTest, UnknownIntervalItemKeepsTheTimerInterval) {
    files.AddFile(kConfig, ConfigWith(14, "99"));
    Run();
    EXPECT_EQ(timer.interval, 5000u);
}

struct LineEndCase {
    const char* label;
    const char* text;
};

class ConfigLineEndTest : public StartupSequenceTest, public ::testing::WithParamInterface<LineEndCase> {};

TEST_P(ConfigLineEndTest, ShortFileReadsTheSameWhateverItsLineEnds) {
    files.AddFile(kConfig, SplitLines(GetParam().text));
    Run();
    Lines expected = kDefaultPlacement;
    expected[0] = "host left 10";
    expected[1] = "host top 20";
    expected[2] = "host width 16";
    EXPECT_EQ(Lines(world.log.begin(), world.log.begin() + 10), expected);
}

INSTANTIATE_TEST_SUITE_P(Endings, ConfigLineEndTest,
                         ::testing::Values(LineEndCase{"CrLf", "Old Title\r\n\r\n10\r\n20\r\n$10\r\n"},
                                           LineEndCase{"LfOnly", "Old Title\n\n10\n20\n$10\n"},
                                           LineEndCase{"CrOnly", "Old Title\r\r10\r20\r$10"}),
                         [](const auto& instance) { return instance.param.label; });

}  // namespace
}  // namespace vr
