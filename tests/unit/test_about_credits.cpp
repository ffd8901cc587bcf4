#include "about/Credits.h"
#include "about/Links.h"

#include <gtest/gtest.h>

namespace vr {
namespace {

TEST(AboutCredits, SpacedOutPutsOneBlankBetweenLettersAndTwoBetweenWords) {
    EXPECT_EQ(SpacedOut("Version"), "V e r s i o n");
    EXPECT_EQ(SpacedOut("Type"), "T y p e");
    EXPECT_EQ(SpacedOut("Coding, Design"), "C o d i n g ,  D e s i g n");
    EXPECT_EQ(SpacedOut("A"), "A");
    EXPECT_EQ(SpacedOut(""), "");
}

TEST(AboutCredits, FourteenLinesLaidOutAsGroups) {
    const std::vector<std::string> lines = CreditLines();
    ASSERT_EQ(lines.size(), 14u);
    const std::vector<std::string> expected{
        "",
        "Quillion's Veilrunner",
        "",
        "V e r s i o n",
        "3.00",
        "",
        "T y p e",
        "Freeware",
        "",
        "C o d i n g ,  D e s i g n",
        "Ilse Marwood",
        "",
        "C o p y r i g h t",
        lines[13],
    };
    EXPECT_EQ(lines, expected);
}

TEST(AboutCredits, TheEleventhLineIsTheAuthor) {
    EXPECT_EQ(kAuthorLineIndex, 10u);
    EXPECT_EQ(CreditLines()[kAuthorLineIndex], kAuthorName);
}

TEST(AboutCredits, RightsLineNamesYearsAuthorAndSite) {
    const std::string rights = CreditLines()[13];
    EXPECT_NE(rights.find("2026"), std::string::npos);
    EXPECT_NE(rights.find(kAuthorName), std::string::npos);
    EXPECT_NE(rights.find(kMakerHost), std::string::npos);
}

TEST(AboutCredits, TextJoinsTheLinesWithCrLfAndKeepsTheLeadingEmptyLine) {
    const std::string text = CreditText();
    EXPECT_EQ(text.rfind("\r\nQuillion's Veilrunner\r\n\r\nV e r s i o n\r\n3.00\r\n", 0), 0u);
    std::size_t breaks = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        ++breaks;
    EXPECT_EQ(breaks, 13u);
    EXPECT_EQ(text.substr(text.size() - CreditLines()[13].size()), CreditLines()[13]);
}

}  // namespace
}  // namespace vr
