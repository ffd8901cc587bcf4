#include <gtest/gtest.h>

#include "hosting/CustodyRefusal.h"

namespace vr {
namespace {

// The system's answers to a run of previews, as Windows 7 gives them to a player that itself
// runs in a job: a refused preview never keeps its job, and only the first refusal is reported.
TEST(CustodyRefusal, ARefusedPreviewLetsItsJobGoAndTheFirstRefusalAloneIsReported) {
    CustodyRefusal refusal;
    const auto held = refusal.Answered(true, 0);
    EXPECT_TRUE(held.keepJob);
    EXPECT_TRUE(held.report.empty());

    const auto first = refusal.Answered(false, 5);
    EXPECT_FALSE(first.keepJob);
    EXPECT_NE(first.report.find("error 5"), std::string::npos) << first.report;

    for (unsigned long error : {5ul, 87ul}) {
        const auto later = refusal.Answered(false, error);
        EXPECT_FALSE(later.keepJob);
        EXPECT_TRUE(later.report.empty()) << later.report;
    }
    EXPECT_TRUE(refusal.Answered(true, 0).keepJob);  // a later acceptance still counts
}

}  // namespace
}  // namespace vr
