// The program starts and shows its player bar.
#include <gtest/gtest.h>

#include "Driver.h"

using namespace e2e;

TEST(Startup, ShowsThePlayerBar) {
    Sandbox sandbox;
    Process& program = sandbox.StartProgram();

    HWND bar = WaitForTopWindow(program.Id(), L"TfrmSVDOptions");
    ASSERT_NE(bar, nullptr) << "no player bar appeared";
    EXPECT_TRUE(WaitUntil([&] { return IsShown(bar); }));
    EXPECT_EQ(Text(bar), L"Quillion's Veilrunner");
}
