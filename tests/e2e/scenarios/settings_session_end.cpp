// The settings on their way out when the program is not simply closed: the session ends (logoff,
// shutdown, an update's restart), another program holds "config.cfg" open while the player
// closes, or either comes while a long playlist is still being read.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "files_support.h"
#include "playlist/PlaylistWindowIds.h"

using namespace e2e;

namespace {

constexpr int kEvery3Minutes = 7;
constexpr std::size_t kIntervalLine = 14;

// As Windows ends a session: every top-level window of the program is asked, then told, and the
// process is ended soon after.
void EndSession(DWORD processId) {
    const std::vector<HWND> windows = TopWindows(processId);
    for (HWND window : windows) Send(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
    for (HWND window : windows) Send(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    KillProcess(processId);
}

// How many temporary files of saves of `path` stand beside it (folders are none).
std::size_t TemporariesOf(const std::wstring& path) {
    namespace fs = std::filesystem;
    const std::wstring prefix = fs::path(path).filename().wstring() + L".";
    return std::ranges::count_if(
        fs::directory_iterator(fs::path(path).parent_path()), [&](const auto& entry) {
            return entry.is_regular_file() && entry.path().filename().wstring().starts_with(prefix) &&
                   entry.path().extension() == L".tmp~";
        });
}

std::string IntervalSaved(const Sandbox& sandbox) {
    const std::vector<std::string> lines = ReadLines(sandbox.PathOf(L"config.cfg"));
    return lines.size() > kIntervalLine ? lines[kIntervalLine]
                                        : "(no line " + std::to_string(kIntervalLine) + ")";
}

// Lines naming screensavers of a folder that is gone, as an old playlist may: each is asked about
// by itself, so reading them takes the player seconds: still under way when the test, slowed by a
// busy machine, finds the windows. The last lines are kept.
std::string PlaylistOfAGoneFolder(const Sandbox& sandbox, const std::vector<std::wstring>& kept) {
    constexpr int goneLines = 300000;
    const std::string gone = ToAnsi(sandbox.PathOf(L"gone")) + "\\saver";
    std::string text;
    text.reserve(goneLines * (gone.size() + 12));
    for (int i = 0; i < goneLines; ++i) text += gone + std::to_string(i) + ".scr\r\n";
    return text + files::CrLfLines(kept);
}

// The player started on a long saved playlist, still reading it: its bar has answered at least
// once while the list was empty.
struct Reading {
    DWORD processId = 0;
    HWND bar = nullptr;
};

Reading StartReading(Sandbox& sandbox) {
    const DWORD id = sandbox.StartProgram().Id();
    const HWND bar = WaitForTopWindow(id, L"TfrmSVDOptions");
    const HWND list = WaitForControl(WaitForTopWindow(id, L"TForm1"), vr::PlaylistWindowId::ListBox1);
    for (int answered = 0; answered < 3; ++answered) {
        if (!files::Answers(bar)) ADD_FAILURE() << "the bar did not answer while the playlist was read";
        if (SendMessageW(list, LB_GETCOUNT, 0, 0) != 0)
            ADD_FAILURE() << "the reading ended before it was seen";
    }
    return {id, bar};
}

}  // namespace

TEST(Settings, ALongPlaylistIsReadWithTheWindowsAnsweringAndNoEndMeanwhileSavesItHalfRead) {
    Sandbox sandbox;
    const std::vector<std::wstring> kept{sandbox.CopyLogSaver(L"A"), sandbox.CopyLogSaver(L"B")};
    const std::wstring saved = sandbox.PathOf(L"myList.spls");
    const std::string text = PlaylistOfAGoneFolder(sandbox, kept);
    WriteFileBytes(sandbox.PathOf(L"config.cfg"), player::ConfigText({}));

    // Asked to close while reading, the player closes once the list is whole, and saves all of it.
    WriteFileBytes(saved, text);
    Reading reading = StartReading(sandbox);
    DWORD_PTR result = 0;
    EXPECT_TRUE(SendMessageTimeoutW(reading.bar, WM_CLOSE, 0, 0, SMTO_NORMAL, 1000, &result));
    ASSERT_TRUE(WaitUntil([&] { return !ProcessRunning(reading.processId); }, std::chrono::seconds(60)));
    EXPECT_EQ(ReadFileBytes(saved), files::CrLfLines(kept));

    // The session ends while reading: the saved playlist stays as it was, not cut to what was read.
    WriteFileBytes(saved, text);
    reading = StartReading(sandbox);
    EndSession(reading.processId);
    EXPECT_EQ(ReadFileBytes(saved), text);
}

// "Load..." empties the list, then reads for seconds: a session that ends meanwhile saves the
// playlist as it stood before, neither an empty one nor a part of the new one.
TEST(Settings, TheSessionsEndDuringALongLoadSavesThePlaylistAsItStoodBefore) {
    Sandbox sandbox;
    const std::vector<std::wstring> before{sandbox.CopyLogSaver(L"A"), sandbox.CopyLogSaver(L"B")};
    const std::wstring c = sandbox.CopyLogSaver(L"C");
    const std::wstring longList = sandbox.PathOf(L"long.spls");
    WriteFileBytes(longList, PlaylistOfAGoneFolder(sandbox, {c}));
    player::Settings settings;
    settings.selected = 1;
    const player::Windows w = player::StartPlayer(sandbox, settings, before);
    player::WaitForPreviewRun(sandbox, L"B", 1);

    files::ChooseInDialog(files::OpenDialogWith(w, vr::PlaylistWindowId::Button5), longList);
    // Emptied, and still reading: the new list's one entry has not come in.
    ASSERT_TRUE(WaitUntil([&] { return SendMessageW(w.list, LB_GETCOUNT, 0, 0) == 0; }));
    EXPECT_TRUE(files::Answers(w.bar));
    EndSession(w.processId);
    EXPECT_EQ(ReadFileBytes(sandbox.PathOf(L"myList.spls")), files::CrLfLines(before));
    const std::vector<std::string> config = ReadLines(sandbox.PathOf(L"config.cfg"));
    EXPECT_EQ(config.size() > 13 ? config[13] : "", "1");
}

TEST(Settings, TheSessionsEndSavesWhatClosingSavesAndEndsThePreview) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    const player::Windows w = player::StartPlayer(sandbox, {}, {a});
    player::WaitForPreviewRun(sandbox, L"A", 1);
    // The playlist was read at the start; only saving brings the file back.
    ASSERT_TRUE(DeleteFileW(sandbox.PathOf(L"myList.spls").c_str()));
    SelectComboItem(w.timeCombo, kEvery3Minutes);

    EndSession(w.processId);
    EXPECT_EQ(IntervalSaved(sandbox), std::to_string(kEvery3Minutes));
    EXPECT_EQ(ReadFileBytes(sandbox.PathOf(L"myList.spls")), files::CrLfLines(std::vector<std::wstring>{a}));
    EXPECT_EQ(WaitForEndedSaverRuns(sandbox.LogOf(L"A"), 1).at(0).end, L"quit message");
}

TEST(Settings, ASettingsFileHeldByAnotherProgramIsWaitedForBrieflyAndNeverKeepsThePreviewRunning) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    const std::wstring config = sandbox.PathOf(L"config.cfg");

    // Held for good: the save fails, and the player closes all the same, its preview ended.
    player::Windows w = player::StartPlayer(sandbox, {}, {a});
    player::WaitForPreviewRun(sandbox, L"A", 1);
    const std::optional<std::string> before = ReadFileBytes(config);
    SelectComboItem(w.timeCombo, kEvery3Minutes);
    {
        files::LockedFile held(config);
        ASSERT_TRUE(held.Locked());
        ASSERT_TRUE(files::Closed(w));
    }
    EXPECT_EQ(WaitForEndedSaverRuns(sandbox.LogOf(L"A"), 1).at(0).end, L"quit message");
    EXPECT_EQ(ReadFileBytes(config), before);
    EXPECT_EQ(TemporariesOf(config), 0u);

    // Held for a moment, as a virus scanner does: the player waits for it, and the change is kept.
    w = player::WaitForPlayer(sandbox.StartProgram().Id());
    player::WaitForPreviewRun(sandbox, L"A", 2);
    SelectComboItem(w.timeCombo, kEvery3Minutes);
    {
        files::LockedFile held(config);
        ASSERT_TRUE(held.Locked());
        Post(w.bar, WM_CLOSE);
        // The new settings stand complete beside the held file while the player tries again.
        ASSERT_TRUE(WaitUntil([&] { return TemporariesOf(config) > 0; }));
    }
    ASSERT_TRUE(WaitUntil([&] { return !ProcessRunning(w.processId); }));
    EXPECT_EQ(IntervalSaved(sandbox), std::to_string(kEvery3Minutes));
    EXPECT_EQ(TemporariesOf(config), 0u);
    EXPECT_EQ(WaitForEndedSaverRuns(sandbox.LogOf(L"A"), 2).at(1).end, L"quit message");
}

// What an earlier save left beside the playlist, a folder of the name earlier versions wrote to,
// blocks no save: the shorter list is saved, and the folder is left alone.
TEST(Settings, ALeftoverFolderOfTheTemporaryNameBlocksNoSave) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    const std::wstring b = sandbox.CopyLogSaver(L"B");
    const std::wstring playlist = sandbox.PathOf(L"myList.spls");
    ASSERT_TRUE(CreateDirectoryW((playlist + L".tmp~").c_str(), nullptr));
    player::Windows w = player::StartPlayer(sandbox, {}, {a, b});
    player::WaitForPreviewRun(sandbox, L"A", 1);
    SelectListItem(w.list, 1);
    PressKey(w.list, VK_DELETE);
    ASSERT_TRUE(WaitUntil([&] { return ListItems(w.list).size() == 1; }));
    ASSERT_TRUE(files::Closed(w));
    EXPECT_EQ(ReadFileBytes(playlist), files::CrLfLines(std::vector<std::wstring>{a}));
    EXPECT_EQ(TemporariesOf(playlist), 0u);
}
