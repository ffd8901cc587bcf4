// Settings lines that are not what the program writes: integers and flags are read differently,
// and an interval that is no item leaves the choice empty.
#include <gtest/gtest.h>

#include "files_support.h"

using namespace e2e;

namespace {

// The settings of a first run, with some lines replaced.
std::string ConfigWith(const std::vector<std::pair<std::size_t, std::string>>& replaced) {
    std::vector<std::string> lines = SplitLines(player::ConfigText({}));
    for (const auto& [index, text] : replaced) lines.at(index) = text;
    return files::CrLfLines(lines);
}

player::Windows StartWithConfig(Sandbox& sandbox, const std::string& config, const std::wstring& entry) {
    WriteFileBytes(sandbox.PathOf(L"config.cfg"), config);
    WriteFileBytes(sandbox.PathOf(L"myList.spls"), files::CrLfLines({entry}));
    return player::WaitForPlayer(sandbox.StartProgram().Id());
}

}  // namespace

TEST(Settings, ABlankBeforeTheOneMaximisesTheHostButHidesThePlaylistWindow) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    player::Windows w = StartWithConfig(sandbox, ConfigWith({{8, " 1"}, {16, " 1"}}), a);

    EXPECT_TRUE(WaitUntil([&] { return IsZoomed(w.host) != FALSE; }));
    EXPECT_FALSE(IsShown(w.playlist));
    player::WaitForPreviewRun(sandbox, L"A", 1);
    EXPECT_TRUE(files::Closed(w));
}

TEST(Settings, AnIntervalThatIsNoItemLeavesTheChoiceEmptyAndIsSavedAsMinusOne) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    player::Windows w = StartWithConfig(sandbox, ConfigWith({{14, "99"}}), a);

    EXPECT_EQ(ComboSelection(w.timeCombo), -1);
    EXPECT_EQ(Text(w.timeCombo), L"");
    ASSERT_TRUE(files::Closed(w));
    const std::vector<std::string> saved = ReadLines(sandbox.PathOf(L"config.cfg"));
    ASSERT_EQ(saved.size(), 20u);  // the 18 lines, the DPI the places were saved at, the monitors' choice
    EXPECT_EQ(saved[14], "-1");
}
