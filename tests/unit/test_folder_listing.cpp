#include "files/FolderListing.h"

#include <gtest/gtest.h>

namespace vr {
namespace {

using Names = std::vector<std::string>;

struct SortCase {
    const char* label;
    Names given;
    Names sorted;
};

class SortLikeListBoxTest : public ::testing::TestWithParam<SortCase> {};

TEST_P(SortLikeListBoxTest, Sorts) {
    Names names = GetParam().given;
    SortLikeListBox(names);
    EXPECT_EQ(names, GetParam().sorted);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, SortLikeListBoxTest,
    ::testing::Values(
        SortCase{"IgnoresCase", {"b.scr", "A.scr", "c.SCR"}, {"A.scr", "b.scr", "c.SCR"}},
        SortCase{"PatternsMixInNameOrder",
                 {"z.scr", "m.SPLS", "a.scfg", "M.scr"},
                 {"a.scfg", "M.scr", "m.SPLS", "z.scr"}},
        SortCase{"PrefixFirst", {"ab.scr", "a.scr"}, {"a.scr", "ab.scr"}},
        SortCase{"SymbolsBeforeDigitsBeforeLetters",
                 {"a_b.scr", "a1.scr", "aB.scr", "a.scr"},
                 {"a.scr", "a_b.scr", "a1.scr", "aB.scr"}},
        SortCase{"UnderscoreBeforeLettersWhateverTheirCase", {"AZ.scr", "A_.scr"}, {"A_.scr", "AZ.scr"}},
        SortCase{"HyphenOnlyBreaksTies", {"a-c.scr", "ab.scr", "ac.scr"}, {"ab.scr", "ac.scr", "a-c.scr"}}),
    [](const auto& instance) { return instance.param.label; });

TEST(MatchesListingPatternTest, OnlyTheThreeExtensionsInAnyCase) {
    for (const char* name : {"a.scr", "A.SCR", "list.spls", "L.SpLs", "w.scfg", ".scr"}) {
        EXPECT_TRUE(MatchesListingPattern(name)) << name;
    }
    for (const char* name : {"a.scrx", "a.scr ", "list.spl", "w.scf", "myspls", "scr", "a.txt", ""}) {
        EXPECT_FALSE(MatchesListingPattern(name)) << name;
    }
}

}  // namespace
}  // namespace vr
