#include "playlist/TypeAhead.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace vr {
namespace {

// A text matches when its first character is the typed one, case folded as the list folds it.
int Typed(const std::vector<std::string>& rows, int focused, char typed) {
    return RowForTypedCharacter(
        rows.size(), focused, [&](std::size_t row) { return std::string_view(rows[row]); },
        [&](std::string_view text) {
            return !text.empty() && std::tolower(static_cast<unsigned char>(text[0])) == std::tolower(typed);
        });
}

TEST(TypeAheadTest, GoesToTheNextRowAfterTheFocusAndRoundPastTheEnd) {
    const std::vector<std::string> rows{"a", "b", "c", "a", "b"};
    EXPECT_EQ(Typed(rows, 0, 'a'), 3);  // the focused row itself comes last
    EXPECT_EQ(Typed(rows, 3, 'a'), 0);  // round past the end
    EXPECT_EQ(Typed(rows, 4, 'b'), 1);  // from the last row, on at the top
    EXPECT_EQ(Typed(rows, 1, 'c'), 2);
    EXPECT_EQ(Typed(rows, 2, 'c'), 2);   // the only match is the focused row
    EXPECT_EQ(Typed(rows, -1, 'a'), 0);  // no focus: from the top
    EXPECT_EQ(Typed(rows, 1, 'z'), -1);
    EXPECT_EQ(Typed({}, -1, 'a'), -1);
    EXPECT_EQ(Typed({}, 0, 'a'), -1);
}

TEST(TypeAheadTest, MatchesTheFileNameBeforeTheFullPath) {
    const std::vector<std::string> rows{
        "C:\\Savers\\Ribbons.scr",     // 0
        "C:\\Windows\\Starfield.scr",  // 1
        "D:\\Cats\\Plasma.scr",        // 2
        "Sparks.scr",                  // 3: no folder at all
        "E:\\Mixed\\cube.scr",         // 4
        "F:Comet.scr",                 // 5: relative to the drive's current folder
        "C:\\Folder\\",                // 6: no file name
    };
    // Every row starts with a drive letter; typing it goes by file names.
    EXPECT_EQ(Typed(rows, -1, 'c'), 4);
    EXPECT_EQ(Typed(rows, 4, 'c'), 5);
    EXPECT_EQ(Typed(rows, 5, 'C'), 4);  // round past the end, never to the folder-only row
    EXPECT_EQ(Typed(rows, 0, 's'), 1);
    EXPECT_EQ(Typed(rows, 1, 's'), 3);
    EXPECT_EQ(Typed(rows, 3, 's'), 1);
    EXPECT_EQ(Typed(rows, -1, 'p'), 2);
    // No file name starts with it: the full text, in the same order from the focus.
    EXPECT_EQ(Typed(rows, 0, 'd'), 2);
    EXPECT_EQ(Typed(rows, 2, 'e'), 4);
    EXPECT_EQ(Typed(rows, 2, 'f'), 5);
    EXPECT_EQ(Typed(rows, -1, 'x'), -1);
}

}  // namespace
}  // namespace vr
