#include "files/UnfinishedWrite.h"

#include <gtest/gtest.h>

namespace vr {
namespace {

using std::chrono::minutes;
using std::chrono::seconds;

TEST(UnfinishedWriteTest, OnlyALeftoverNoSaveCanStillWriteIsDead) {
    // Another instance saving now, or one waiting a second for a scanner to let go of its file.
    EXPECT_FALSE(IsDeadLeftover(seconds(0)));
    EXPECT_FALSE(IsDeadLeftover(seconds(2)));
    EXPECT_FALSE(IsDeadLeftover(seconds(-3600)));
    EXPECT_FALSE(IsDeadLeftover(kDeadLeftoverAge - seconds(1)));
    EXPECT_TRUE(IsDeadLeftover(kDeadLeftoverAge));
    EXPECT_TRUE(IsDeadLeftover(minutes(60 * 24 * 365)));
}

// Each save writes a name of its own, and the start-up knows every one of them, and the single
// name of earlier versions, as a leftover of that file and of no other.
TEST(UnfinishedWriteTest, EverySaveHasATemporaryNameOfItsOwnThatIsKnownAsALeftoverOfItsFile) {
    const std::string first = TemporaryFor("C:\\Prog\\myList.spls", 4242, 1);
    EXPECT_EQ(first, "C:\\Prog\\myList.spls.4242-1.tmp~");
    EXPECT_NE(first, TemporaryFor("C:\\Prog\\myList.spls", 4242, 2));
    EXPECT_NE(first, TemporaryFor("C:\\Prog\\myList.spls", 17, 1));

    EXPECT_TRUE(IsTemporaryOf("myList.spls", "myList.spls.4242-1.tmp~"));
    EXPECT_TRUE(IsTemporaryOf("myList.spls", "MYLIST.SPLS.4294967295-4294967295.TMP~"));
    EXPECT_TRUE(IsTemporaryOf("myList.spls", "myList.spls.tmp~"));

    EXPECT_FALSE(IsTemporaryOf("myList.spls", "myList.spls"));
    EXPECT_FALSE(IsTemporaryOf("myList.spls", "myList.spls.tmp"));
    EXPECT_FALSE(IsTemporaryOf("myList.spls", "myList.spls.backup.tmp~"));
    EXPECT_FALSE(IsTemporaryOf("myList.spls", "myList.spls.12.tmp~"));
    EXPECT_FALSE(IsTemporaryOf("myList.spls", "myList.spls.-1.tmp~"));
    EXPECT_FALSE(IsTemporaryOf("myList.spls", "myList.spls.1-.tmp~"));
    EXPECT_FALSE(IsTemporaryOf("myList.spls", "myList.splsx.1-1.tmp~"));
    EXPECT_FALSE(IsTemporaryOf("config.cfg", "myList.spls.1-1.tmp~"));
    EXPECT_FALSE(IsTemporaryOf("myList.spls", "tmp~"));
}

}  // namespace
}  // namespace vr
