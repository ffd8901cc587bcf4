// The "shutdown" verb ends every running instance of the program.
#include <gtest/gtest.h>

#include "Player.h"

using namespace e2e;

TEST(Shutdown, EndsEveryRunningInstanceAndExitsWithZero) {
    Sandbox sandbox;
    Process& first = sandbox.StartProgram();
    Process& second = sandbox.StartProgram();
    ASSERT_NE(WaitForTopWindow(first.Id(), L"TfrmSVDOptions"), nullptr);
    ASSERT_NE(WaitForTopWindow(second.Id(), L"TfrmSVDOptions"), nullptr);

    Process& verb = sandbox.StartProgram(L"shutdown");
    EXPECT_EQ(verb.WaitForExit(), std::optional<DWORD>(0));
    EXPECT_TRUE(first.WaitForExit().has_value());
    EXPECT_TRUE(second.WaitForExit().has_value());
}

TEST(Shutdown, WrittenWithACapitalItIsAnOrdinaryArgument) {
    Sandbox sandbox;
    Process& running = sandbox.StartProgram();
    ASSERT_NE(WaitForTopWindow(running.Id(), L"TfrmSVDOptions"), nullptr);
    Process& other = sandbox.StartProgram(L"Shutdown");
    EXPECT_NE(WaitForTopWindow(other.Id(), L"TfrmSVDOptions"), nullptr);
    EXPECT_TRUE(running.Running());
}
