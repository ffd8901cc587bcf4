// A saved selection that cannot be applied: nothing is selected after loading "myList.spls", so
// "Win + Sys" appends the system's screensavers after the saved entries and the first entry plays.
#include <gtest/gtest.h>

#include "files_support.h"

using namespace e2e;

namespace {

void ExpectSavedEntriesThenTheSystemsAndTheFirstPlaying(int savedIndex) {
    const files::SharedFolderSaver inSystem(files::SystemFolder(), L"vr-saved-index");
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    const std::wstring b = sandbox.CopyLogSaver(L"B");
    player::Settings settings;
    settings.selected = savedIndex;
    player::Windows w = player::StartPlayer(sandbox, settings, {a, b});

    EXPECT_EQ(ListItems(w.list), (std::vector<std::wstring>{a, b, inSystem.Path()}));
    EXPECT_EQ(ListSelection(w.list), 0);
    player::WaitForPreviewRun(sandbox, L"A", 1);
    EXPECT_TRUE(files::Closed(w));
}

}  // namespace

TEST(Settings, SavedIndexMinusOneAppendsWinAndSysAfterTheSavedEntries) {
    ExpectSavedEntriesThenTheSystemsAndTheFirstPlaying(-1);
}

TEST(Settings, SavedIndexBeyondTheLoadedEntriesAppendsWinAndSysAfterThem) {
    ExpectSavedEntriesThenTheSystemsAndTheFirstPlaying(2);
}
