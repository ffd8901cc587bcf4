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

// Each save writes a name of its own, known at the start, with the single name of earlier
// versions, as a leftover of that file and of no other.
TEST(UnfinishedWriteTest, EverySaveHasATemporaryNameOfItsOwnThatIsKnownAsALeftoverOfItsFile) {
    EXPECT_EQ(TemporaryFor("C:\\P\\myList.spls", 4242, 1), "C:\\P\\myList.spls.4242-1.tmp~");
    EXPECT_NE(TemporaryFor("x", 4242, 1), TemporaryFor("x", 4242, 2));
    for (const char* name : {"myList.spls.4242-1.tmp~", "MYLIST.SPLS.1-2.TMP~", "myList.spls.tmp~"})
        EXPECT_TRUE(IsTemporaryOf("myList.spls", name)) << name;
    for (const char* name : {"myList.spls", "myList.spls.backup.tmp~", "myList.spls.12.tmp~",
                             "myList.spls.-1.tmp~", "myList.spls.1-.tmp~", "myList.splsx.1-1.tmp~", "tmp~"})
        EXPECT_FALSE(IsTemporaryOf("myList.spls", name)) << name;
    EXPECT_FALSE(IsTemporaryOf("config.cfg", "myList.spls.1-1.tmp~"));
}

}  // namespace
}  // namespace vr
