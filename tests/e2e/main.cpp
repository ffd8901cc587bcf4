// The scenarios' entry point. CTest runs one scenario per process by name; a run that selects
// no test (a stale build, a renamed scenario) must fail rather than pass having checked nothing.
#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    if (::testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
        std::fprintf(stderr, "no scenario matched the filter\n");
        return 1;
    }
    return result;
}
