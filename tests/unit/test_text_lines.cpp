#include "files/TextLines.h"

#include <gtest/gtest.h>

namespace vr {
namespace {

using Lines = std::vector<std::string>;

struct SplitCase {
    const char* label;
    std::string bytes;
    Lines lines;
};

class SplitLinesTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLinesTest, Splits) { EXPECT_EQ(SplitLines(GetParam().bytes), GetParam().lines); }

INSTANTIATE_TEST_SUITE_P(
    Texts, SplitLinesTest,
    ::testing::Values(SplitCase{"Empty", "", {}}, SplitCase{"CrLf", "a\r\nb\r\n", {"a", "b"}},
                      SplitCase{"LfOnly", "a\nb\n", {"a", "b"}}, SplitCase{"CrOnly", "a\rb\r", {"a", "b"}},
                      SplitCase{"Mixed", "a\rb\nc\r\nd", {"a", "b", "c", "d"}},
                      SplitCase{"NoFinalBreak", "a\r\nb", {"a", "b"}},
                      SplitCase{"LfCrIsTwoBreaks", "a\n\rb", {"a", "", "b"}},
                      SplitCase{"EmptyLinesKept", "\r\n\r\nx\r\n", {"", "", "x"}},
                      SplitCase{"BlanksKept", " 1 \r\n\t", {" 1 ", "\t"}},
                      SplitCase{"StopsAtNul", std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}},
                      SplitCase{"NulFirst", std::string("\0a", 2), {}}),
    [](const auto& instance) { return instance.param.label; });

TEST(JoinLinesTest, EveryLineEndsInCrLf) {
    EXPECT_EQ(JoinLines({}), "");
    EXPECT_EQ(JoinLines({""}), "\r\n");
    EXPECT_EQ(JoinLines({"a", "", "C:\\b.scr"}), "a\r\n\r\nC:\\b.scr\r\n");
}

TEST(JoinLinesTest, SplitGivesBackWhatWasJoined) {
    const Lines lines{"Veilrunner 2.00 Config File", "", " 12", "-3", "x.scr "};
    EXPECT_EQ(SplitLines(JoinLines(lines)), lines);
}

}  // namespace
}  // namespace vr
