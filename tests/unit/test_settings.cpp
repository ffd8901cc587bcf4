#include "player/Settings.h"

#include <gtest/gtest.h>

#include "player/ClosingSave.h"
#include "playlist_fakes.h"

namespace vr {
namespace {

using Lines = std::vector<std::string>;

struct IntCase {
    const char* text;
    std::optional<int> value;
};

class ParseSettingIntTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(ParseSettingIntTest, Parses) {
    EXPECT_EQ(ParseSettingInt(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseSettingIntTest,
    ::testing::Values(IntCase{"0", 0}, IntCase{"341", 341}, IntCase{"-12", -12}, IntCase{"+7", 7},
                      IntCase{"   1", 1}, IntCase{" -5", -5}, IntCase{"007", 7}, IntCase{"$1F", 31},
                      IntCase{"$ff", 255}, IntCase{"0x10", 16}, IntCase{"0X1a", 26}, IntCase{"-$10", -16},
                      IntCase{" +0x7FFFFFFF", 2147483647}, IntCase{"2147483647", 2147483647},
                      IntCase{"-2147483648", -2147483647 - 1}, IntCase{"-0x80000000", -2147483647 - 1},
                      // Everything else falls back to the default.
                      IntCase{"", std::nullopt}, IntCase{"   ", std::nullopt}, IntCase{"1 ", std::nullopt},
                      IntCase{"12a", std::nullopt}, IntCase{"\t1", std::nullopt},
                      IntCase{"- 1", std::nullopt}, IntCase{"-", std::nullopt}, IntCase{"$", std::nullopt},
                      IntCase{"0x", std::nullopt}, IntCase{"1F", std::nullopt}, IntCase{"$-1", std::nullopt},
                      IntCase{"1.0", std::nullopt}, IntCase{"2147483648", std::nullopt},
                      IntCase{"-2147483649", std::nullopt}, IntCase{"$80000000", std::nullopt},
                      IntCase{"99999999999999999999", std::nullopt}, IntCase{"X", std::nullopt}));

TEST(ReadSettingTest, MissingLinesTakeTheDefault) {
    const Lines lines{"X", "42"};
    EXPECT_EQ(ReadSettingInt(lines, 0, 9), 9);
    EXPECT_EQ(ReadSettingInt(lines, 1, 9), 42);
    EXPECT_EQ(ReadSettingInt(lines, 2, 9), 9);
    EXPECT_EQ(ReadSettingInt({}, 0, -1), -1);
    EXPECT_TRUE(ReadSettingFlag(lines, 2, true));
    EXPECT_FALSE(ReadSettingFlag(lines, 7, false));
}

TEST(ReadSettingTest, FlagIsTrueOnlyForExactlyOne) {
    const Lines lines{"1", "0", " 1", "1 ", "01", "true", "", "$1"};
    EXPECT_TRUE(ReadSettingFlag(lines, 0, false));
    for (std::size_t i = 1; i < lines.size(); ++i) {
        EXPECT_FALSE(ReadSettingFlag(lines, i, true)) << '"' << lines[i] << '"';
    }
    // The same text read as an integer is 1.
    EXPECT_EQ(ReadSettingInt(lines, 2, 0), 1);
}

ConfigSnapshot SampleSnapshot() {
    ConfigSnapshot s;
    s.saverFile = "C:\\Savers\\Mystify.scr";
    s.host = {-4, 113, 474, 355};
    s.playerBarLeft = 341;
    s.playerBarTop = 37;
    s.playlistWindowVisible = true;
    s.playlistWindow = {1, 37, 327, 431};
    s.selectedEntry = -1;
    s.intervalItem = 4;
    s.helpTextVisible = false;
    s.hostMaximized = true;
    s.placement = PlacementChoice::PlayerWindow;
    s.dpi = 144;
    s.oneSaverAcrossMonitors = true;
    return s;
}

// The 18 lines every version reads, then the scale the places were saved at and the choice of
// one screensaver across all monitors.
TEST(BuildConfigLinesTest, EighteenLinesInFileOrderThenTheDpiAndTheMonitorsChoice) {
    const Lines expected{"Veilrunner 2.00 Config File",
                         "C:\\Savers\\Mystify.scr",
                         "-4",
                         "113",
                         "474",
                         "355",
                         "341",
                         "37",
                         "1",
                         "1",
                         "37",
                         "327",
                         "431",
                         "-1",
                         "4",
                         "0",
                         "1",
                         "2",
                         "144",
                         "1"};
    EXPECT_EQ(BuildConfigLines(SampleSnapshot()), expected);
}

TEST(BuildConfigLinesTest, ReadingBackGivesTheSavedValues) {
    ConfigSnapshot s = SampleSnapshot();
    s.placement = PlacementChoice::WholeWorkarea;
    s.playlistWindowVisible = false;
    s.helpTextVisible = true;
    const Lines lines = BuildConfigLines(s);
    EXPECT_EQ(ReadSettingInt(lines, 2, 341), s.host.left);
    EXPECT_FALSE(ReadSettingFlag(lines, 8, true));
    EXPECT_EQ(ReadSettingInt(lines, 13, 0), -1);
    EXPECT_TRUE(ReadSettingFlag(lines, 15, false));
    EXPECT_EQ(ReadSettingInt(lines, 16, 0), 1);
    EXPECT_EQ(ReadSettingInt(lines, 17, 0), 3);
}

class SaveSettingsTest : public ::testing::Test {
protected:
    void Save(const ConfigSnapshot& settings, std::uint64_t revision = 0) {
        files.written.clear();
        files.writeOrder.clear();
        closing.Save(files, "C:\\Prog\\", {settings, &entries, revision});
    }

    test::FakeFileSystem files;
    ClosingSave closing;
    const std::string config = "C:\\Prog\\config.cfg";
    const std::string saved = "C:\\Prog\\myList.spls";
    const Lines entries{"C:\\a.scr", "b.scr"};
};

TEST_F(SaveSettingsTest, WritesSettingsThenPlaylistBesideTheProgram) {
    Save(SampleSnapshot());
    EXPECT_EQ(files.writeOrder, (Lines{config, saved}));
    EXPECT_EQ(files.written[config], BuildConfigLines(SampleSnapshot()));
    EXPECT_EQ(files.written[saved], entries);
}

TEST_F(SaveSettingsTest, FailedSettingsSkipThePlaylistSilently) {
    files.unwritable.insert(config);
    EXPECT_NO_THROW(Save(SampleSnapshot()));
    EXPECT_EQ(files.writeOrder, Lines{config});
}

TEST_F(SaveSettingsTest, FailedPlaylistIsSwallowed) {
    files.unwritable.insert(saved);
    EXPECT_NO_THROW(Save(SampleSnapshot()));
    EXPECT_EQ(files.written.count(config), 1u);
}

// A saved playlist the start could not read stays, with its selected entry, until the list changes.
TEST_F(SaveSettingsTest, AnUnreadPlaylistIsKeptUntilTheListChanges) {
    ConfigSnapshot atStart = SampleSnapshot();
    atStart.selectedEntry = -1;
    Lines linesRead = BuildConfigLines(SampleSnapshot());
    linesRead[13] = "2";
    closing.StartupEnded({.settings = true, .playlist = false}, {atStart, &entries, 7}, linesRead);

    ConfigSnapshot moved = atStart;
    moved.playerBarLeft += 10;
    Save(moved, 7);
    EXPECT_EQ(files.writeOrder, Lines{config}) << "only the settings, which were read, are written";
    EXPECT_EQ(files.written[config].at(13), "2");
    EXPECT_EQ(files.written[config].at(6), std::to_string(moved.playerBarLeft));

    Save(moved, 8);
    EXPECT_EQ(files.writeOrder, (Lines{config, saved}));
    EXPECT_EQ(files.written[config].at(13), "-1");
}

// Unread settings stay while the windows stand as the start left them; any change writes them.
TEST_F(SaveSettingsTest, UnreadSettingsAreKeptUntilAWindowOrAChoiceChanges) {
    const ConfigSnapshot atStart = SampleSnapshot();
    closing.StartupEnded({}, {atStart, &entries, 3}, {});
    Save(atStart, 3);
    EXPECT_TRUE(files.writeOrder.empty());

    ConfigSnapshot chosen = atStart;
    chosen.intervalItem += 1;
    Save(chosen, 3);
    EXPECT_EQ(files.writeOrder, Lines{config});
    EXPECT_EQ(files.written[config].at(14), std::to_string(chosen.intervalItem));
    EXPECT_EQ(files.written[config].at(13), "0") << "the kept playlist's own selection was never read";

    Save(atStart, 4);
    EXPECT_EQ(files.writeOrder, (Lines{config, saved}))
        << "a changed list goes with the settings it was chosen with";
}

}  // namespace
}  // namespace vr
