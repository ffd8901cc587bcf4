// The sandbox's promise that no scenario leaves a process behind, checked under Wine.
#include <gtest/gtest.h>

#include <algorithm>

#include "Driver.h"

using namespace e2e;

namespace {

bool Contains(const std::vector<DWORD>& ids, DWORD id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

}  // namespace

TEST(Sandbox, FindsTheProcessesStartedByItsProcesses) {
    Sandbox sandbox;
    // The saver waits in its settings box, so it lives until it is ended.
    Process& saver = sandbox.Start(sandbox.CopyLogSaver(L"alpha"), L"/c");
    ASSERT_NE(WaitForTopWindow(saver.Id(), L"#32770"), nullptr);

    EXPECT_TRUE(Contains(ProcessDescendants({GetCurrentProcessId()}), saver.Id()));
}

TEST(Sandbox, EndsWhatRunsFromItsFolderAndRemovesIt) {
    std::wstring folder;
    DWORD saverId = 0;
    {
        Sandbox sandbox;
        folder = sandbox.Folder();
        Process& saver = sandbox.Start(sandbox.CopyLogSaver(L"alpha"), L"/c");
        saverId = saver.Id();
        ASSERT_NE(WaitForTopWindow(saverId, L"#32770"), nullptr);
        ASSERT_EQ(ProcessesRunningFrom(folder).size(), 1u);
        EXPECT_EQ(ProcessesRunningFrom(folder)[0].id, saverId);
    }
    EXPECT_FALSE(ProcessRunning(saverId));
    EXPECT_EQ(GetFileAttributesW(folder.c_str()), INVALID_FILE_ATTRIBUTES) << "the folder is still there";
}
