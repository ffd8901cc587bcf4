#include "playlist/Playlist.h"

#include <functional>

#include <gtest/gtest.h>

#include "playlist_fakes.h"

namespace vr {
namespace {

using Lines = std::vector<std::string>;

const std::string kA = "C:\\Savers\\Aurora.scr";
const std::string kB = "C:\\Savers\\Bubbles.scr";
const std::string kC = "C:\\Savers\\Comets.scr";
const std::string kD = "C:\\Savers\\Dunes.scr";

class PlaylistTest : public ::testing::Test, protected test::PlaylistRig {
protected:
    void TearDown() override { EXPECT_TRUE(ViewFollows()); }

    // Plays entry index as a click would.
    void Click(int index) {
        playlist.Select(index);
        playlist.ApplySelection();
    }
};

// ---- The selection handler ----

TEST_F(PlaylistTest, ClickMakesTheEntryTheCurrentScreensaver) {
    Seed({kA, kB});
    Click(1);
    EXPECT_EQ(display.label2, kB);
    EXPECT_EQ(display.saverFile, kB);
    EXPECT_EQ(display.hostCaption, "Bubbles");
    EXPECT_TRUE(display.configureEnabled);
    EXPECT_EQ(display.previewRequests, 1);
}

TEST_F(PlaylistTest, ClickOnTheCurrentScreensaverRestartsNothing) {
    Seed({kA, kB});
    Click(0);
    display.hostCaption = "untouched";
    Click(0);
    EXPECT_EQ(display.previewRequests, 1);
    EXPECT_EQ(display.hostCaption, "untouched");
}

TEST_F(PlaylistTest, TheComparisonWithTheDisplayedSaverHeedsCase) {
    const std::string lower = "c:\\savers\\aurora.scr";
    Seed({kA, lower});
    Click(0);
    Click(1);
    EXPECT_EQ(display.label2, lower);
    EXPECT_EQ(display.previewRequests, 2);
}

TEST_F(PlaylistTest, WallpaperModeKeepsItsCaption) {
    display.wallpaperMode = true;
    Seed({kA, kB});
    Click(0);
    Click(1);
    EXPECT_EQ(display.hostCaption, "DesktopWallpaperMode");
    EXPECT_EQ(display.saverFile, kB);
}

struct VanishCase {
    const char* label;
    std::vector<bool> exists;  // per entry of A, B, C, D
    int clicked;
    Lines remaining;
    int selected;
    std::string current;  // "" when nothing became current
};

class VanishedEntryTest : public PlaylistTest, public ::testing::WithParamInterface<VanishCase> {};

TEST_P(VanishedEntryTest, VanishedEntriesAreRemovedUntilOneExists) {
    const VanishCase& c = GetParam();
    const Lines all{kA, kB, kC, kD};
    Seed(all);
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (!c.exists[i]) files.Remove(all[i]);
    }
    Click(c.clicked);
    EXPECT_EQ(playlist.Entries(), c.remaining);
    EXPECT_EQ(playlist.Selected(), c.selected);
    EXPECT_EQ(display.saverFile, c.current);
}

INSTANTIATE_TEST_SUITE_P(
    Chains, VanishedEntryTest,
    ::testing::Values(
        VanishCase{"FallsBackToTheEntryBefore", {true, true, false, true}, 2, {kA, kB, kD}, 1, kB},
        VanishCase{"ChainOfVanished", {true, false, false, true}, 2, {kA, kD}, 0, kA},
        VanishCase{"FirstEntryFallsToNewFirst", {false, true, true, true}, 0, {kB, kC, kD}, 0, kB},
        VanishCase{"ChainReachesTheFront", {false, false, true, true}, 1, {kC, kD}, 0, kC},
        VanishCase{"AllVanished", {false, false, false, false}, 3, {}, -1, ""}),
    [](const auto& instance) { return instance.param.label; });

TEST_F(PlaylistTest, AllVanishedLeavesTheCurrentScreensaverAndStopsTheTimer) {
    Seed({kA, kB});
    Click(0);
    ASSERT_TRUE(timer.running);
    files.Remove(kA);
    files.Remove(kB);
    Click(1);
    EXPECT_TRUE(playlist.Entries().empty());
    EXPECT_EQ(display.label2, kA);
    EXPECT_FALSE(timer.running);
}

// Veilrunner.scr, known by its name or the name it was built as, is no entry on any road.
TEST_F(PlaylistTest, ThePlaylistSaverNeverBecomesAnEntry) {
    const std::string own = "C:\\V\\Veilrunner.scr", copy = "C:\\V\\Renamed.scr";
    files.builtAs[copy] = "VEILRUNNER.SCR";
    for (const std::string& path : {own, copy, kA}) files.AddFile(path);
    files.AddFile("C:\\V\\list.spls", {copy, kA, own});
    files.folders["C:\\V"] = {"C:\\V", {"list.spls", "Renamed.scr", "Veilrunner.scr"}};
    playlist.AddChosenFiles({own, copy, "C:\\V\\list.spls"});
    playlist.DropOnPlayer({copy});
    playlist.AddFolder("C:\\V");
    EXPECT_EQ(playlist.Entries(), (Lines{kA, kA}));
}

// A relative name is checked from the current folder and kept as written, so a playlist that
// moves with its savers still finds them.
TEST_F(PlaylistTest, RelativeNamesAreTestedFromTheCurrentFolderAndKeptAsWritten) {
    files.currentFolder = "C:\\Work\\";
    files.AddFile("C:\\Work\\list.spls", {"Near.scr", "Sub\\Far.scr", "Gone.scr", kA});
    files.AddFile("C:\\Work\\Near.scr");
    files.AddFile("C:\\Work\\Sub\\Far.scr");
    files.AddFile("Gone.scr");  // exists only where a relative lookup elsewhere would find it
    files.AddFile("C:\\Work\\Drop.scr");
    files.AddFile(kA);
    playlist.LoadChosenFile("list.spls");
    playlist.DropOnPlayer({"Drop.scr"});
    EXPECT_EQ(playlist.Entries(), (Lines{"Near.scr", "Sub\\Far.scr", kA, "Drop.scr"}));
    EXPECT_EQ(display.saverFile, "Drop.scr");
}

// A folder of thousands renamed away must not stall the selection: each entry is asked for
// once, and the list box is told of the removal once.
TEST_F(PlaylistTest, VanishedRunIsRemovedInOnePass) {
    Lines all;
    for (int i = 0; i < 3000; ++i) all.push_back("C:\\Gone\\" + std::to_string(i) + ".scr");
    Seed(all);
    for (int i = 0; i < 3000; ++i) {
        if (i != 1000 && i != 2999) files.Remove(all[static_cast<std::size_t>(i)]);
    }
    files.existsQueries = 0;
    Click(2500);  // down to 1000, which exists: 1001..2500 go
    EXPECT_EQ(playlist.Count(), 1500u);
    EXPECT_EQ(display.saverFile, all[1000]);
    Click(999);  // down through 0, then up to the old 1000: 0..999 go
    Lines left{all[1000]};
    left.insert(left.end(), all.begin() + 2501, all.end());
    EXPECT_EQ(playlist.Entries(), left);
    EXPECT_EQ(playlist.Selected(), 0);
    EXPECT_EQ(files.existsQueries, 1501 + 1001);
    EXPECT_EQ(view.removals, 2);
}

struct TimerCase {
    const char* label;
    unsigned interval;
    std::size_t entries;
    bool runningBefore;
    bool runningAfter;
    int starts;
};

class TimerRuleTest : public PlaylistTest, public ::testing::WithParamInterface<TimerCase> {};

TEST_P(TimerRuleTest, ClickAppliesTheTimerRules) {
    const TimerCase& c = GetParam();
    const Lines all{kA, kB, kC};
    Seed(Lines(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(c.entries)));
    timer.interval = c.interval;
    timer.running = c.runningBefore;
    playlist.ApplySelection();  // nothing selected: only the timer rules apply
    EXPECT_EQ(timer.running, c.runningAfter);
    EXPECT_EQ(timer.starts, c.starts);
    EXPECT_EQ(display.previewRequests, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, TimerRuleTest,
    ::testing::Values(TimerCase{"TwoEntriesStart", 5000, 2, false, true, 1},
                      TimerCase{"RunningCountdownLeftAlone", 5000, 3, true, true, 0},
                      TimerCase{"ChangeManuallyNeverStarts", kChangeManuallyMs, 3, false, false, 0},
                      TimerCase{"ChangeManuallyStops", kChangeManuallyMs, 3, true, false, 0},
                      TimerCase{"OneEntryStops", 3000, 1, true, false, 0},
                      TimerCase{"EmptyStops", 3000, 0, true, false, 0}),
    [](const auto& instance) { return instance.param.label; });

// ---- Rotation ----

TEST_F(PlaylistTest, RotationStepsAndWrapsToTheFirstEntry) {
    Seed({kA, kB, kC});
    Click(1);
    playlist.RotateToNext();
    EXPECT_EQ(display.saverFile, kC);
    playlist.RotateToNext();
    EXPECT_EQ(playlist.Selected(), 0);
    EXPECT_EQ(display.saverFile, kA);
}

TEST_F(PlaylistTest, RotationWithoutSelectionStartsAtTheFirstEntry) {
    Seed({kA, kB});
    playlist.RotateToNext();
    EXPECT_EQ(playlist.Selected(), 0);
    EXPECT_EQ(display.saverFile, kA);
}

TEST_F(PlaylistTest, RotationDoesNothingBelowTwoEntries) {
    Seed({kA});
    playlist.RotateToNext();
    EXPECT_EQ(playlist.Selected(), -1);
    EXPECT_EQ(display.previewRequests, 0);
}

TEST_F(PlaylistTest, VanishedNextEntryKeepsTheCurrentOneAnotherInterval) {
    Seed({kA, kB, kC});
    Click(0);
    files.Remove(kB);
    playlist.RotateToNext();
    EXPECT_EQ(playlist.Entries(), (Lines{kA, kC}));
    EXPECT_EQ(playlist.Selected(), 0);
    EXPECT_EQ(display.previewRequests, 1);
}

TEST_F(PlaylistTest, VanishedFirstEntryAtTheWrapPlaysTheNewFirstAtOnce) {
    Seed({kA, kB, kC});
    Click(2);
    files.Remove(kA);
    playlist.RotateToNext();
    EXPECT_EQ(playlist.Entries(), (Lines{kB, kC}));
    EXPECT_EQ(display.saverFile, kB);
}

// ---- Keys ----

TEST_F(PlaylistTest, DeleteOnTheOnlyEntryEmptiesAndKeepsPlaying) {
    Seed({kA});
    Click(0);
    playlist.PressKey(kVkDelete);
    EXPECT_TRUE(playlist.Entries().empty());
    EXPECT_EQ(playlist.Selected(), -1);
    EXPECT_EQ(display.label2, kA);
    EXPECT_TRUE(display.configureEnabled);
    EXPECT_TRUE(files.FileExists(kA));
}

struct DeleteCase {
    const char* label;
    int selected;
    Lines remaining;
    int selectedAfter;
    std::string current;
};

class DeleteKeyTest : public PlaylistTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteKeyTest, DeletePlaysTheEntryBefore) {
    const DeleteCase& c = GetParam();
    Seed({kA, kB, kC});
    Click(c.selected);
    playlist.PressKey(kVkDelete);
    EXPECT_EQ(playlist.Entries(), c.remaining);
    EXPECT_EQ(playlist.Selected(), c.selectedAfter);
    EXPECT_EQ(display.saverFile, c.current);
    EXPECT_EQ(display.previewRequests, 2);
}

INSTANTIATE_TEST_SUITE_P(Entries, DeleteKeyTest,
                         ::testing::Values(DeleteCase{"First", 0, {kB, kC}, 0, kB},
                                           DeleteCase{"Middle", 1, {kA, kC}, 0, kA},
                                           DeleteCase{"Last", 2, {kA, kB}, 1, kB}),
                         [](const auto& instance) { return instance.param.label; });

TEST_F(PlaylistTest, DeleteOfANameThatIsAlreadyCurrentRestartsNothing) {
    Seed({kA, kA, kB});
    Click(1);
    playlist.PressKey(kVkDelete);
    EXPECT_EQ(playlist.Entries(), (Lines{kA, kB}));
    EXPECT_EQ(display.previewRequests, 1);
}

TEST_F(PlaylistTest, EveryKeyRunsTheSelectionHandler) {
    Seed({kA, kB});
    playlist.PressKey('A');
    EXPECT_TRUE(timer.running);
    playlist.PressKey(kVkDelete);  // nothing selected: nothing removed
    EXPECT_EQ(playlist.Count(), 2u);
}

// ---- Dragging an entry ----

struct DragCase {
    const char* label;
    int selected;
    int target;
    Lines order;
    int selectedAfter;
};

class DragDropTest : public PlaylistTest, public ::testing::WithParamInterface<DragCase> {};

TEST_P(DragDropTest, MovesTheSelectedEntryWithoutPlayingIt) {
    const DragCase& c = GetParam();
    Seed({kA, kB, kC, kD});
    playlist.Select(c.selected);
    playlist.MoveSelectedTo(c.target);
    EXPECT_EQ(playlist.Entries(), c.order);
    EXPECT_EQ(playlist.Selected(), c.selectedAfter);
    EXPECT_EQ(display.previewRequests, 0);
    EXPECT_FALSE(timer.running);
}

INSTANTIATE_TEST_SUITE_P(Moves, DragDropTest,
                         ::testing::Values(DragCase{"Down", 0, 2, {kB, kC, kA, kD}, 2},
                                           DragCase{"Up", 3, 1, {kA, kD, kB, kC}, 1},
                                           DragCase{"OntoItself", 1, 1, {kA, kB, kC, kD}, 1},
                                           DragCase{"BelowTheLast", 1, -1, {kA, kC, kD, kB}, -1},
                                           DragCase{"LastBelowTheLast", 3, -1, {kA, kB, kC, kD}, -1},
                                           DragCase{"NothingSelected", -1, 2, {kA, kB, kC, kD}, -1}),
                         [](const auto& instance) { return instance.param.label; });

TEST_F(PlaylistTest, AfterDroppingBelowTheLastTheRotationGoesToTheFirst) {
    Seed({kA, kB, kC});
    Click(1);
    playlist.MoveSelectedTo(-1);
    playlist.RotateToNext();
    EXPECT_EQ(playlist.Selected(), 0);
    EXPECT_EQ(display.saverFile, kA);
}

// ---- Import rules ----

struct ImportCase {
    const char* label;
    std::string path;
    Lines entries;
    std::string wallpaperListFile;
};

class ImportFileTest : public PlaylistTest, public ::testing::WithParamInterface<ImportCase> {
protected:
    void SetUp() override {
        files.AddFile(kA);
        files.AddFile(kB);
        files.AddFile("C:\\X.SCR");
        files.AddFile("x.spl", {kA, "C:\\missing.scr", kB});
        files.AddFile("W.SCF", {"100", "100", "320", "240", "2", kB});
        files.AddFile("C:\\lists\\spls", {kA});
        files.AddFile("notes.txt", {kA});
        playlist.SetWallpaperListFile("before.scfg");
    }
};

TEST_P(ImportFileTest, ImportsByTypeKeyAndExistence) {
    const ImportCase& c = GetParam();
    playlist.ImportFile(c.path);
    EXPECT_EQ(playlist.Entries(), c.entries);
    EXPECT_EQ(playlist.WallpaperListFile(), c.wallpaperListFile);
    EXPECT_EQ(playlist.Selected(), -1);
    EXPECT_EQ(display.previewRequests, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ImportFileTest,
    ::testing::Values(ImportCase{"ScreensaverKeepsItsCapitals", "C:\\X.SCR", {"C:\\X.SCR"}, "before.scfg"},
                      ImportCase{"MissingScreensaver", "C:\\gone.scr", {}, "before.scfg"},
                      ImportCase{"ShortPlaylistName", "x.spl", {kA, kB}, "before.scfg"},
                      ImportCase{"PlaylistWithoutDot", "C:\\lists\\spls", {kA}, "before.scfg"},
                      ImportCase{"WallpaperPlaylistIsRemembered", "W.SCF", {kB}, "W.SCF"},
                      ImportCase{"MissingWallpaperPlaylist", "gone.scfg", {}, "before.scfg"},
                      ImportCase{"OtherType", "notes.txt", {}, "before.scfg"},
                      // The type is the text's as given, before the path is made full.
                      ImportCase{"TrailingBlankIsNoScreensaver", "C:\\X.SCR ", {}, "before.scfg"},
                      ImportCase{"TrailingDotIsNoPlaylist", "x.spl.", {}, "before.scfg"}),
    [](const auto& instance) { return instance.param.label; });

TEST_F(PlaylistTest, PlaylistFileTakesOnlyLinesNamingExistingScreensavers) {
    files.AddFile(kA);
    files.AddFile("C:\\Savers\\Caps.SCR");
    files.AddFile("C:\\other.spls", {kA});
    files.AddFile("x.scr ");
    files.AddFile("list.spls",
                  {"", kA, "x.scr ", "C:\\missing.scr", "42", "C:\\other.spls", "C:\\Savers\\Caps.SCR", kA});
    playlist.ReadPlaylistFile("list.spls");
    EXPECT_EQ(playlist.Entries(), (Lines{kA, "C:\\Savers\\Caps.SCR", kA}));
    EXPECT_EQ(view.appendedAt, std::vector<std::size_t>{0});
}

TEST_F(PlaylistTest, ImportingAPlaylistTwiceDoublesItsEntries) {
    Seed({kA, kB});
    files.AddFile("list.spls", {kA, kB});
    playlist.ImportFile("list.spls");
    EXPECT_EQ(playlist.Entries(), (Lines{kA, kB, kA, kB}));
}

struct DropCase {
    const char* label;
    std::string path;
    Lines entries;
    bool appendedScreensaver;
};

class ImportDroppedFileTest : public PlaylistTest, public ::testing::WithParamInterface<DropCase> {
protected:
    void SetUp() override {
        files.AddFile(kA);
        files.AddFile(kB);
        files.AddFile("C:\\Drop\\spls", {kA});
        files.AddFile("C:\\Drop\\list.SPL", {kB});
        files.AddFile("C:\\Drop\\w.scfg", {"1", "2", "3", "4", "5", kA});
    }
};

TEST_P(ImportDroppedFileTest, ImportsScreensaversAndScreensaverPlaylistsOnly) {
    const DropCase& c = GetParam();
    EXPECT_EQ(playlist.ImportDroppedFile(c.path), c.appendedScreensaver);
    EXPECT_EQ(playlist.Entries(), c.entries);
    EXPECT_EQ(playlist.WallpaperListFile(), "");
}

INSTANTIATE_TEST_SUITE_P(Paths, ImportDroppedFileTest,
                         ::testing::Values(DropCase{"Screensaver", kA, {kA}, true},
                                           DropCase{"MissingScreensaver", "C:\\gone.scr", {}, false},
                                           DropCase{"PlaylistNamedSpls", "C:\\Drop\\spls", {kA}, false},
                                           DropCase{"ShortPlaylistName", "C:\\Drop\\list.SPL", {kB}, false},
                                           DropCase{
                                               "WallpaperPlaylistIgnored", "C:\\Drop\\w.scfg", {}, false},
                                           DropCase{"Folder", "C:\\Drop", {}, false},
                                           DropCase{"TrailingBlank", kA + " ", {}, false}),
                         [](const auto& instance) { return instance.param.label; });

// ---- The ways in ----

TEST_F(PlaylistTest, FileChosenIntoAnEmptySelectionPlaysTheFirstEntry) {
    files.AddFile(kA);
    files.AddFile(kB);
    playlist.AddChosenFiles({kA, kB});
    EXPECT_EQ(playlist.Selected(), 0);
    EXPECT_EQ(display.saverFile, kA);
    EXPECT_TRUE(timer.running);
}

TEST_F(PlaylistTest, FileChosenWithASelectionChangesNeitherItNorTheRotation) {
    Seed({kA});
    Click(0);
    files.AddFile(kB);
    playlist.AddChosenFiles({kB});
    EXPECT_EQ(playlist.Entries(), (Lines{kA, kB}));
    EXPECT_EQ(playlist.Selected(), 0);
    EXPECT_EQ(display.previewRequests, 1);
    EXPECT_FALSE(timer.running);
}

TEST_F(PlaylistTest, FileChosenThatYieldsNothingOnlyAppliesTheTimerRules) {
    timer.running = true;
    playlist.AddChosenFiles({"C:\\gone.scr"});
    EXPECT_EQ(playlist.Selected(), -1);
    EXPECT_FALSE(timer.running);
}

TEST_F(PlaylistTest, LoadReplacesTheEntriesButKeepsTheWallpaperFile) {
    Seed({kA});
    Click(0);
    playlist.SetWallpaperListFile("w.scfg");
    files.AddFile(kB);
    files.AddFile(kC);
    files.AddFile("list.spls", {kB, kC});
    playlist.LoadChosenFile("list.spls");
    EXPECT_EQ(playlist.Entries(), (Lines{kB, kC}));
    EXPECT_EQ(playlist.Selected(), 0);
    EXPECT_EQ(display.saverFile, kB);
    EXPECT_TRUE(timer.running);
    EXPECT_EQ(playlist.WallpaperListFile(), "w.scfg");
}

TEST_F(PlaylistTest, LoadOfAFileWithoutEntriesLeavesAnEmptyPlaylist) {
    Seed({kA, kB});
    files.AddFile("empty.spls", {"C:\\gone.scr"});
    playlist.LoadChosenFile("empty.spls");
    EXPECT_TRUE(playlist.Entries().empty());
    EXPECT_EQ(playlist.Selected(), -1);
}

TEST_F(PlaylistTest, FolderIsImportedByTheDropRuleInListingOrder) {
    files.folders["D:\\pick"] = {"D:\\Pick", {"A.scr", "b.spls", "c.scfg", "d.scr", "e.SCR"}};
    files.AddFile("D:\\Pick\\A.scr");
    files.AddFile("D:\\Pick\\b.spls", {kA});
    files.AddFile("D:\\Pick\\c.scfg", {kB});
    files.AddFile("D:\\Pick\\e.SCR");
    files.AddFile(kA);
    files.AddFile(kB);
    playlist.AddFolder("D:\\pick");
    EXPECT_EQ(playlist.Entries(), (Lines{"D:\\Pick\\A.scr", kA, "D:\\Pick\\e.SCR"}));
    EXPECT_EQ(playlist.Selected(), -1);
    EXPECT_EQ(playlist.WallpaperListFile(), "");
    EXPECT_FALSE(timer.running);
}

class WindowsAndSystemTest : public PlaylistTest {
protected:
    void SetUp() override {
        files.folders["C:\\WINDOWS"] = {"C:\\WINDOWS", {"a.scr", "list.spls"}};
        files.folders["C:\\WINDOWS\\system32"] = {"C:\\WINDOWS\\system32", {"b.scr"}};
        for (const char* path :
             {"C:\\WINDOWS\\a.scr", "C:\\WINDOWS\\list.spls", "C:\\WINDOWS\\system32\\b.scr"}) {
            files.AddFile(path);
        }
    }
    // A playlist in the listing is no screensaver: it is neither run nor read.
    const Lines found{"C:\\WINDOWS\\a.scr", "C:\\WINDOWS\\system32\\b.scr"};
};

TEST_F(WindowsAndSystemTest, AppendsEveryListedScreensaverAndPlaysTheFirst) {
    playlist.AddWindowsAndSystem("C:\\WINDOWS", {"C:\\WINDOWS\\system32"});
    EXPECT_EQ(files.foldersListed, (Lines{"C:\\WINDOWS", "C:\\WINDOWS\\system32"}));
    EXPECT_EQ(playlist.Entries(), found);
    EXPECT_EQ(playlist.Selected(), 0);
    EXPECT_EQ(display.saverFile, found[0]);
    EXPECT_TRUE(timer.running);
}

// The 32-bit folder adds only the names the system folder lacks, whatever their case; the
// Windows folder is never compared. Veilrunner.scr, under any name, is left out.
TEST_F(WindowsAndSystemTest, ListsThe32BitSystemFolderLastWithOnlyItsOwnNames) {
    files.folders["C:\\WINDOWS"].names.push_back("b.scr");
    files.folders["C:\\WINDOWS\\system32"].names.push_back("Veilrunner.scr");
    files.folders["C:\\WINDOWS\\SysWOW64"] = {"C:\\WINDOWS\\SysWOW64", {"B.SCR", "c.scr", "copy.scr"}};
    files.builtAs["C:\\WINDOWS\\SysWOW64\\copy.scr"] = "Veilrunner.scr";
    playlist.AddWindowsAndSystem("C:\\WINDOWS", {"C:\\WINDOWS\\system32", "C:\\WINDOWS\\SysWOW64"});
    EXPECT_EQ(files.foldersListed, (Lines{"C:\\WINDOWS", "C:\\WINDOWS\\system32", "C:\\WINDOWS\\SysWOW64"}));
    EXPECT_EQ(playlist.Entries(), (Lines{"C:\\WINDOWS\\a.scr", "C:\\WINDOWS\\b.scr",
                                         "C:\\WINDOWS\\system32\\b.scr", "C:\\WINDOWS\\SysWOW64\\c.scr"}));
}

TEST_F(WindowsAndSystemTest, KeepsTheSelectionButStillAppliesTheTimerRules) {
    Seed({kA});
    Click(0);
    EXPECT_EQ(playlist.AddWindowsAndSystem("C:\\WINDOWS", {"C:\\WINDOWS\\system32"}), 2u);
    EXPECT_EQ(playlist.AddWindowsAndSystem("C:\\WINDOWS", {"C:\\WINDOWS\\system32"}), 2u);
    EXPECT_EQ(playlist.Count(), 5u);
    EXPECT_EQ(playlist.Selected(), 0);
    EXPECT_EQ(display.previewRequests, 1);
    EXPECT_TRUE(timer.running);
}

TEST_F(WindowsAndSystemTest, NothingFoundLeavesNoSelection) {
    files.folders["C:\\WINDOWS"].names.clear();
    files.folders["C:\\WINDOWS\\system32"].names.clear();
    EXPECT_EQ(playlist.AddWindowsAndSystem("C:\\WINDOWS", {"C:\\WINDOWS\\system32"}), 0u);
    EXPECT_EQ(playlist.Selected(), -1);
    EXPECT_EQ(display.previewRequests, 0);
}

TEST_F(PlaylistTest, DropOnThePlaylistWindowOnlyAppends) {
    files.AddFile(kA);
    files.AddFile(kB);
    playlist.DropOnPlaylistWindow({kA, kB});
    EXPECT_EQ(playlist.Entries(), (Lines{kA, kB}));
    EXPECT_EQ(playlist.Selected(), -1);
    EXPECT_EQ(display.previewRequests, 0);
    EXPECT_FALSE(timer.running);
}

// Whatever road a name comes by, only a screensaver that is no device becomes an entry: "CON.scr"
// is the console wherever it stands, and its full path "\\.\CON".
TEST_F(PlaylistTest, DeviceNamesAndOtherTypesNeverBecomeEntries) {
    const Lines devices{"C:\\dir\\CON.scr", "C:\\dir\\nul.SCR", "C:\\dir\\com1.scr", "C:\\dir\\LPT9 .scr",
                        "\\\\.\\CON"};
    for (const std::string& device : devices) files.AddFile(device);
    files.AddFile(kA);
    Lines listed = devices;
    listed.push_back(kA);
    files.AddFile("C:\\dir\\list.spls", listed);
    files.folders["C:\\WINDOWS"] = {"C:\\WINDOWS", {"CON.scr", "x.scfg", "x.spls"}};
    files.folders["C:\\WINDOWS\\system32"] = {"C:\\WINDOWS\\system32", {"Aux.scr"}};

    playlist.ImportFile("C:\\dir\\list.spls");
    for (const std::string& device : devices) playlist.ImportFile(device);
    playlist.DropOnPlaylistWindow(devices);
    playlist.DropOnPlayer(devices);
    playlist.AddWindowsAndSystem("C:\\WINDOWS", {"C:\\WINDOWS\\system32"});
    EXPECT_EQ(playlist.Entries(), Lines{kA});
    EXPECT_EQ(playlist.Selected(), 0);
    EXPECT_EQ(display.saverFile, kA);
}

TEST_F(PlaylistTest, DropOnThePlayerPlaysEachDroppedScreensaverInTurn) {
    Seed({kA});
    files.AddFile(kB);
    files.AddFile(kC);
    files.AddFile(kD);
    files.AddFile("list.spls", {kD});
    playlist.DropOnPlayer({kB, "list.spls", kC, "C:\\gone.scr"});
    EXPECT_EQ(playlist.Entries(), (Lines{kA, kB, kD, kC}));
    EXPECT_EQ(playlist.Selected(), 3);
    EXPECT_EQ(display.saverFile, kC);
    EXPECT_EQ(display.previewRequests, 2);
    EXPECT_TRUE(timer.running);
}

const std::string kInA = "C:\\In\\A.scr";
const std::string kInLocked = "C:\\In\\locked.spls";
const std::string kInZ = "C:\\In\\z.scr";

struct AbandonCase {
    const char* label;
    std::function<void(Playlist&)> command;
    Lines entries;
    std::string current;
};

class UnreadablePlaylistTest : public PlaylistTest, public ::testing::WithParamInterface<AbandonCase> {
protected:
    void SetUp() override {
        Seed({kB});
        for (const auto& path : {kInA, kInLocked, kInZ}) files.AddFile(path, {kB});
        files.unreadable.insert(kInLocked);
        files.folders["C:\\In"] = {"C:\\In", {"A.scr", "locked.spls", "z.scr"}};
    }
};

TEST_P(UnreadablePlaylistTest, AbandonsTheRestButKeepsWhatCameBefore) {
    const AbandonCase& c = GetParam();
    EXPECT_THROW(c.command(playlist), AppError);
    EXPECT_EQ(playlist.Entries(), c.entries);
    EXPECT_EQ(display.saverFile, c.current);
}

INSTANTIATE_TEST_SUITE_P(
    WaysIn, UnreadablePlaylistTest,
    ::testing::Values(AbandonCase{"File",
                                  [](Playlist& p) {
                                      p.AddChosenFiles({kInA, kInLocked, kInZ});
                                  },
                                  {kB, kInA},
                                  ""},
                      AbandonCase{"Load", [](Playlist& p) { p.LoadChosenFile(kInLocked); }, {}, ""},
                      AbandonCase{"Dir", [](Playlist& p) { p.AddFolder("C:\\In"); }, {kB, kInA}, ""},
                      AbandonCase{"DropOnPlaylistWindow",
                                  [](Playlist& p) {
                                      p.DropOnPlaylistWindow({kInA, kInLocked, kInZ});
                                  },
                                  {kB, kInA},
                                  ""},
                      AbandonCase{"DropOnPlayer",
                                  [](Playlist& p) {
                                      p.DropOnPlayer({kInA, kInLocked, kInZ});
                                  },
                                  {kB, kInA},
                                  kInA}),
    [](const auto& instance) { return instance.param.label; });

TEST_F(PlaylistTest, NewEmptiesButLeavesTheCurrentScreensaverAndTimer) {
    Seed({kA, kB});
    Click(0);
    playlist.Clear();
    EXPECT_TRUE(playlist.Entries().empty());
    EXPECT_EQ(playlist.Selected(), -1);
    EXPECT_EQ(display.label2, kA);
    EXPECT_TRUE(timer.running);
    playlist.RotateToNext();
    EXPECT_EQ(display.previewRequests, 1);
}

TEST_F(PlaylistTest, CommandsThatTakeManyFilesTellTheViewOnce) {
    Seed({kA});
    files.folders["D:\\big"] = {"D:\\Big", {}};
    Lines chosen;
    for (int i = 0; i < 50; ++i) {
        const std::string name = "s" + std::to_string(i) + ".scr";
        files.folders["D:\\big"].names.push_back(name);
        files.AddFile("D:\\Big\\" + name);
        chosen.push_back("D:\\Big\\" + name);
    }
    playlist.AddFolder("D:\\big");
    playlist.DropOnPlaylistWindow(chosen);
    playlist.AddChosenFiles(chosen);
    EXPECT_EQ(playlist.Count(), 151u);
    EXPECT_EQ(view.appendedAt, (std::vector<std::size_t>{0, 1, 51, 101}));
}

TEST_F(PlaylistTest, ALongPlaylistReachesTheViewInOneBatch) {
    Lines lines;
    for (int i = 0; i < 1000; ++i) {
        lines.push_back("C:\\Savers\\s" + std::to_string(i) + ".scr");
        files.AddFile(lines.back());
    }
    Seed({kA});
    files.AddFile("long.spls", lines);
    playlist.ImportFile("long.spls");
    EXPECT_EQ(playlist.Count(), 1001u);
    EXPECT_EQ(view.appendedAt, (std::vector<std::size_t>{0, 1}));
}

// What a save in the middle of a command writes: the list before the command, never a part.
TEST_F(PlaylistTest, ASaveWhileFilesAreReadWritesTheListAsItStoodBeforeTheCommand) {
    Seed({kA, kB});
    Click(1);
    for (const auto& saver : {kC, kD}) files.AddFile(saver);
    files.AddFile("c.spls", {kC});
    files.AddFile("d.spls", {kD});
    Lines saved;
    int savedSelection = -2;
    std::uint64_t savedRevision = 0;
    reader.whileReading = [&] {
        saved = playlist.CompleteEntries();
        savedSelection = playlist.CompleteSelection();
        savedRevision = playlist.CompleteRevision();
    };

    const std::uint64_t before = playlist.Revision();
    playlist.LoadChosenFile("c.spls");
    EXPECT_EQ(saved, (Lines{kA, kB}));
    EXPECT_EQ(savedSelection, 1);
    EXPECT_EQ(savedRevision, before);
    EXPECT_EQ(playlist.CompleteEntries(), Lines{kC});
    EXPECT_NE(playlist.CompleteRevision(), before);

    // The second file of a drop is read after the first one's entries came in.
    playlist.DropOnPlaylistWindow({"c.spls", "d.spls"});
    EXPECT_EQ(saved, Lines{kC});
    playlist.AddChosenFiles({"d.spls", kA});
    EXPECT_EQ(saved, (Lines{kC, kC, kD}));

    // A change the windows make meanwhile does not reach the list being saved.
    reader.whileReading = [&] {
        playlist.PressKey(kVkDelete);
        saved = playlist.CompleteEntries();
    };
    Click(0);
    playlist.ImportFile("d.spls");
    EXPECT_EQ(saved, (Lines{kC, kC, kD, kD, kA}));
    EXPECT_EQ(playlist.Entries(), (Lines{kC, kD, kD, kA, kD}));
    EXPECT_EQ(playlist.CompleteEntries(), playlist.Entries());
}

}  // namespace
}  // namespace vr
