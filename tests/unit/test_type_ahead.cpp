#include "playlist/TypeAhead.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vr {
namespace {

// First letters of the rows; a row matches when its letter is the typed one.
int Typed(const std::string& rows, int focused, char typed) {
    return RowForTypedCharacter(rows.size(), focused, [&](std::size_t row) { return rows[row] == typed; });
}

TEST(TypeAheadTest, GoesToTheNextRowAfterTheFocusAndRoundPastTheEnd) {
    const std::string rows = "abcab";
    EXPECT_EQ(Typed(rows, 0, 'a'), 3);  // the focused row itself comes last
    EXPECT_EQ(Typed(rows, 3, 'a'), 0);  // round past the end
    EXPECT_EQ(Typed(rows, 4, 'b'), 1);  // from the last row, on at the top
    EXPECT_EQ(Typed(rows, 1, 'c'), 2);
    EXPECT_EQ(Typed(rows, 2, 'c'), 2);   // the only match is the focused row
    EXPECT_EQ(Typed(rows, -1, 'a'), 0);  // no focus: from the top
    EXPECT_EQ(Typed(rows, 1, 'z'), -1);
    EXPECT_EQ(Typed("", -1, 'a'), -1);
    EXPECT_EQ(Typed("", 0, 'a'), -1);
}

}  // namespace
}  // namespace vr
