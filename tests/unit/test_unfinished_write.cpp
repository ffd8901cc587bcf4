#include "files/UnfinishedWrite.h"

#include <gtest/gtest.h>

namespace vr {
namespace {

using std::chrono::minutes;
using std::chrono::seconds;

TEST(UnfinishedWriteTest, OnlyALeftoverNoSaveCanStillWriteIsDead) {
    EXPECT_EQ(TemporaryFor("C:\\Prog\\myList.spls"), "C:\\Prog\\myList.spls.tmp~");
    // Another instance saving now, or one waiting a second for a scanner to let go of its file.
    EXPECT_FALSE(IsDeadLeftover(seconds(0)));
    EXPECT_FALSE(IsDeadLeftover(seconds(2)));
    EXPECT_FALSE(IsDeadLeftover(seconds(-3600)));
    EXPECT_FALSE(IsDeadLeftover(kDeadLeftoverAge - seconds(1)));
    EXPECT_TRUE(IsDeadLeftover(kDeadLeftoverAge));
    EXPECT_TRUE(IsDeadLeftover(minutes(60 * 24 * 365)));
}

}  // namespace
}  // namespace vr
