#include <gtest/gtest.h>

#include <set>

#include "playlist_fakes.h"
#include "rotator/SaverLineup.h"

namespace vr {
namespace {

class FakeProbe : public EntryProbe {
public:
    std::set<std::string> missing;
    std::set<std::string> copies;  // of this program
    std::map<std::string, int> copyQuestions;

    bool Exists(const std::string& path) override { return missing.count(path) == 0; }
    bool IsThisProgram(const std::string& path) override {
        ++copyQuestions[path];
        return copies.count(path) != 0;
    }
};

std::vector<std::string> Config(const std::string& saver, const std::string& intervalItem) {
    std::vector<std::string> lines(18, "0");
    lines[0] = "Veilrunner 2.00 Config File";
    lines[1] = saver;
    lines[14] = intervalItem;
    return lines;
}

TEST(PlanRotation, StartsAtThePlayersSaverAndChangesAtItsInterval) {
    const std::vector<std::string> entries{"C:\\s\\A.scr", "C:\\s\\B.scr", "C:\\s\\C.scr"};
    RotatorPlan plan = PlanRotation(Config("c:\\S\\b.SCR", "1"), entries);
    EXPECT_EQ(plan.first, 1u) << "paths compare as the system does, letters in any case";
    EXPECT_EQ(plan.intervalMs, 3000u);
    EXPECT_EQ(plan.entries, entries);

    plan = PlanRotation(Config("C:\\s\\Gone.scr", "0"), entries);
    EXPECT_EQ(plan.first, 0u);
    EXPECT_FALSE(plan.intervalMs) << "Change manually plays one alone";

    // No settings, or an item that is no interval: the player's first-run choice.
    for (const auto& config :
         {std::vector<std::string>{}, Config("", "15"), Config("", "-1"), Config("", "x")}) {
        plan = PlanRotation(config, entries);
        EXPECT_EQ(plan.first, 0u);
        EXPECT_EQ(plan.intervalMs, 21000u);
    }
}

TEST(ReadRotatorPlan, TakesMissingOrUnreadableFilesAsEmptyAndWritesNothing) {
    test::FakeFileSystem files;
    files.AddFile("C:\\v\\A.scr");
    files.AddFile("C:\\v\\B.scr");
    files.AddFile("C:\\v\\config.cfg", Config("C:\\v\\B.scr", "2"));
    files.AddFile("C:\\v\\myList.spls",
                  {"C:\\v\\A.scr", "C:\\v\\Gone.scr", "C:\\v\\notes.txt", "C:\\v\\B.scr"});
    RotatorPlan plan = ReadRotatorPlan(files, "C:\\v\\");
    EXPECT_EQ(plan.entries, (std::vector<std::string>{"C:\\v\\A.scr", "C:\\v\\B.scr"}));
    EXPECT_FALSE(OneSaverAcrossMonitorsChosen(files, "C:\\v\\")) << "a different entry on each monitor";
    std::vector<std::string> oneAcross = Config("", "1");
    oneAcross.insert(oneAcross.end(), {"96", "1"});  // the DPI, then the monitors' choice
    files.AddFile("C:\\w\\config.cfg", oneAcross);
    EXPECT_TRUE(OneSaverAcrossMonitorsChosen(files, "C:\\w\\"));
    EXPECT_EQ(plan.first, 1u);
    EXPECT_EQ(plan.intervalMs, 9000u);

    files.unreadable = {"C:\\v\\config.cfg", "C:\\v\\myList.spls"};
    plan = ReadRotatorPlan(files, "C:\\v\\");
    EXPECT_TRUE(plan.entries.empty());
    EXPECT_EQ(plan.intervalMs, 21000u);
    files.unreadable.insert("C:\\w\\config.cfg");
    EXPECT_FALSE(OneSaverAcrossMonitorsChosen(files, "C:\\w\\"));
    files.Remove("C:\\v\\config.cfg");
    files.Remove("C:\\v\\myList.spls");
    EXPECT_TRUE(ReadRotatorPlan(files, "C:\\v\\").entries.empty());
    EXPECT_TRUE(files.writeOrder.empty());
    EXPECT_TRUE(files.discarded.empty());
}

TEST(SaverLineup, GoesRoundFromTheFirstPassingOverGoneCopiesAndBrokenEntries) {
    RotatorPlan plan;
    plan.entries = {"A.scr", "Veilrunner.scr", "B.scr", "C.scr", "renamed.scr"};
    plan.first = 3;
    FakeProbe probe;
    probe.copies = {"Veilrunner.scr", "renamed.scr"};
    SaverLineup lineup(plan, probe);

    const WorkSlice::Clock clock = [] { return std::uint64_t{0}; };
    const WorkSlice slice(clock);
    auto takeNext = [&] {
        const auto next = lineup.Upcoming(slice);
        if (next) lineup.Take(*next);
        return next;
    };
    EXPECT_EQ(takeNext(), 3u);
    EXPECT_EQ(takeNext(), 0u) << "round the end, past the copy under another name";
    EXPECT_EQ(takeNext(), 2u) << "past this program itself";
    probe.missing = {"C.scr"};
    EXPECT_EQ(takeNext(), 0u) << "an entry whose file went is passed over";
    probe.missing.clear();
    lineup.MarkBroken(2);
    EXPECT_EQ(takeNext(), 3u);
    EXPECT_EQ(takeNext(), 0u);
    lineup.MarkBroken(3);
    EXPECT_EQ(takeNext(), 0u) << "the only one left is offered again";
    EXPECT_EQ(probe.copyQuestions["renamed.scr"], 1) << "a file is asked once whether it is this program";
    lineup.MarkBroken(0);
    EXPECT_FALSE(lineup.Upcoming(slice));
    EXPECT_FALSE(lineup.Searching());

    RotatorPlan none;
    EXPECT_FALSE(SaverLineup(none, probe).Upcoming(slice));
    none.entries = {"Veilrunner.scr"};
    EXPECT_FALSE(SaverLineup(none, probe).Upcoming(slice));
}

TEST(IsPlaylistSaver, KnowsItByItsNameOrByTheNameItWasBuiltAs) {
    EXPECT_TRUE(IsPlaylistSaver("C:\\V\\Veilrunner.scr", ""));
    EXPECT_TRUE(IsPlaylistSaver("D:\\copies\\VEILRUNNER.SCR", "Starfield.scr"));
    EXPECT_TRUE(IsPlaylistSaver("D:\\copies\\Playlist.scr", "veilrunner.scr"));
    EXPECT_FALSE(IsPlaylistSaver("C:\\V\\Starfield.scr", "Starfield.scr"));
    EXPECT_FALSE(IsPlaylistSaver("C:\\V\\MyVeilrunner.scr", ""));
    EXPECT_FALSE(IsPlaylistSaver("C:\\V\\Veilrunner.exe", "Veilrunner.exe"));
    EXPECT_TRUE(IsPlayerProgram("VEILRUNNER.EXE")) << "the player, renamed to a saver";
    EXPECT_FALSE(IsPlayerProgram("Starfield.scr"));
    EXPECT_FALSE(IsPlayerProgram(""));
}

}  // namespace
}  // namespace vr
