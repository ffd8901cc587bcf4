// Users' files and names: names outside the ANSI code page on every road, playlists in every
// encoding, a playlist given at start that cannot be read, a long program folder, relative
// entries, and saved positions on no monitor.
#include <gtest/gtest.h>

#include "Monitors.h"
#include "files_support.h"
#include "player/PlayerBarIds.h"

using namespace e2e;

namespace {

const std::wstring kCjk = L"\u5C4F\u4FDD";            // Chinese, far outside code page 1252
const std::wstring kPolish = L"\u0141\u00F3d\u017A";  // outside 1252 too
const std::wstring kAccented = L"\u00C9cran \u00FC";  // inside 1252

std::string Utf8Lines(const std::vector<std::wstring>& lines) {
    std::string bytes;
    for (const std::wstring& line : lines) bytes += ToUtf8(line) + "\r\n";
    return bytes;
}

std::string Utf16LittleEndianLines(const std::vector<std::wstring>& lines) {
    std::string bytes = "\xFF\xFE";
    for (const std::wstring& line : lines) {
        for (wchar_t c : line + L"\r\n") {
            bytes += static_cast<char>(c & 0xFF);
            bytes += static_cast<char>(c >> 8);
        }
    }
    return bytes;
}

// Starts the copy of the program at `program` in the sandbox's folder and waits for its windows.
player::Windows StartAt(Sandbox& sandbox, const std::wstring& program, const std::wstring& arguments = {}) {
    return player::WaitForPlayer(sandbox.Start(program, arguments).Id());
}

}  // namespace

TEST(Names, AProgramFolderAndSaversOutsideTheCodePageKeepEverythingAcrossARestart) {
    Sandbox sandbox;
    const std::wstring folder = sandbox.PathOf(kCjk + L" " + kPolish);
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::wstring program =
        sandbox.CopyIn(sandbox.CopyProgram(), kCjk + L" " + kPolish + L"\\Veilrunner.exe");
    const std::wstring cjk = sandbox.CopyLogSaver(kCjk);
    const std::wstring accented = sandbox.CopyLogSaver(kAccented);
    const std::wstring polish = sandbox.CopyLogSaver(kPolish);
    // Saved by a version that wrote UTF-8 with a byte-order mark: the first entry is not lost.
    WriteFileBytes(folder + L"\\myList.spls", "\xEF\xBB\xBF" + Utf8Lines({accented, cjk}));
    player::Settings settings;
    settings.selected = 1;
    WriteFileBytes(folder + L"\\config.cfg", player::ConfigText(settings));

    player::Windows w = StartAt(sandbox, program, L"\"" + polish + L"\"");
    EXPECT_EQ(ListItems(w.list), (std::vector<std::wstring>{polish, accented, cjk}));
    EXPECT_EQ(ListSelection(w.list), 0);
    SaverRun run = player::WaitForPreviewRun(sandbox, kPolish, 1);
    EXPECT_EQ(run.commandLine.rfind(L"\"" + polish + L"\" /p ", 0), 0u);
    EXPECT_EQ(Text(w.host), kPolish);

    SelectListItem(w.list, 2);
    run = player::WaitForPreviewRun(sandbox, kCjk, 1);
    EXPECT_EQ(run.Parent(), w.pane);
    EXPECT_EQ(Text(w.host), kCjk);
    ASSERT_TRUE(files::Closed(w));

    // Names that the code page cannot hold are written as UTF-8 with a byte-order mark.
    EXPECT_EQ(ReadFileBytes(folder + L"\\myList.spls"), "\xEF\xBB\xBF" + Utf8Lines({polish, accented, cjk}));
    const std::vector<std::string> config = ReadLines(folder + L"\\config.cfg");
    ASSERT_EQ(config.size(), 20u);
    EXPECT_EQ(config[0],
              "\xEF\xBB\xBF"
              "Veilrunner 2.00 Config File");
    EXPECT_EQ(config[1], ToUtf8(cjk));
    EXPECT_EQ(config[13], "2");

    player::Windows again = StartAt(sandbox, program);
    EXPECT_EQ(ListItems(again.list), (std::vector<std::wstring>{polish, accented, cjk}));
    EXPECT_EQ(ListSelection(again.list), 2);
    player::WaitForPreviewRun(sandbox, kCjk, 2);
}

TEST(Names, AUtf16PlaylistLosesNothingAndNamesThatFitAreWrittenBackAsAnsi) {
    Sandbox sandbox;
    const std::wstring accented = sandbox.CopyLogSaver(kAccented);
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    player::Settings settings;
    settings.selected = 1;
    WriteFileBytes(sandbox.PathOf(L"config.cfg"), player::ConfigText(settings));
    WriteFileBytes(sandbox.PathOf(L"myList.spls"), Utf16LittleEndianLines({a, accented}));

    player::Windows w = player::WaitForPlayer(sandbox.StartProgram().Id());
    EXPECT_EQ(ListItems(w.list), (std::vector<std::wstring>{a, accented}));
    EXPECT_EQ(ListSelection(w.list), 1);
    player::WaitForPreviewRun(sandbox, kAccented, 1);
    ASSERT_TRUE(files::Closed(w));
    EXPECT_EQ(ReadFileBytes(sandbox.PathOf(L"myList.spls")),
              files::CrLfLines(std::vector<std::wstring>{a, accented}));
}

// In code page 1252 the folder "Ã©" is the bytes C3 A9, which also are the UTF-8 of "é": written
// as ANSI, the entry would come back as a folder that does not exist, and vanish.
TEST(Names, ANameWhoseAnsiBytesReadAsUtf8IsWrittenSoThatItComesBackAsItself) {
    Sandbox sandbox;
    const std::wstring folder = L"\u00C3\u00A9";
    ASSERT_TRUE(CreateDirectoryW(sandbox.PathOf(folder).c_str(), nullptr));
    const std::wstring star = sandbox.CopyLogSaver(folder + L"\\Star");
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    player::Settings settings;
    settings.selected = 1;
    WriteFileBytes(sandbox.PathOf(L"config.cfg"), player::ConfigText(settings));
    WriteFileBytes(sandbox.PathOf(L"myList.spls"), "\xEF\xBB\xBF" + Utf8Lines({a, star}));

    player::Windows w = player::WaitForPlayer(sandbox.StartProgram().Id());
    ASSERT_EQ(ListItems(w.list), (std::vector<std::wstring>{a, star}));
    player::WaitForPreviewRun(sandbox, folder + L"\\Star", 1);
    ASSERT_TRUE(files::Closed(w));
    EXPECT_EQ(ReadFileBytes(sandbox.PathOf(L"myList.spls")), "\xEF\xBB\xBF" + Utf8Lines({a, star}));

    player::Windows again = player::WaitForPlayer(sandbox.StartProgram().Id());
    EXPECT_EQ(ListItems(again.list), (std::vector<std::wstring>{a, star}));
    EXPECT_EQ(ListSelection(again.list), 1);
    player::WaitForPreviewRun(sandbox, folder + L"\\Star", 2);
}

TEST(Names, APlaylistGivenAtStartThatCannotBeReadLeavesTheSavedOneAsItWas) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    const std::wstring b = sandbox.CopyLogSaver(L"B");
    const std::wstring held = sandbox.PathOf(L"held.spls");
    WriteFileBytes(held, ToAnsi(a) + "\r\n");
    const files::LockedFile lock(held);
    ASSERT_TRUE(lock.Locked());
    player::Settings settings;
    settings.selected = 1;
    WriteFileBytes(sandbox.PathOf(L"config.cfg"), player::ConfigText(settings));
    const std::string saved = files::CrLfLines(std::vector<std::wstring>{a, b});
    WriteFileBytes(sandbox.PathOf(L"myList.spls"), saved);

    const DWORD processId = sandbox.StartProgram(L"\"" + held + L"\"").Id();
    HWND box = files::ExpectErrorBox(processId, files::OpenErrorStart(held));
    ASSERT_NE(box, nullptr);
    PressOk(box);
    player::Windows w = player::WaitForPlayer(processId);
    EXPECT_EQ(ListItems(w.list), (std::vector<std::wstring>{a, b}));
    EXPECT_EQ(ListSelection(w.list), 1);
    player::WaitForPreviewRun(sandbox, L"B", 1);
    ASSERT_TRUE(files::Closed(w));
    EXPECT_EQ(ReadFileBytes(sandbox.PathOf(L"myList.spls")), saved);
    EXPECT_EQ(ReadLines(sandbox.PathOf(L"config.cfg")).at(8), "1");  // the playlist window stays open
}

TEST(Names, ALongProgramFolderSavesItsSettingsAndOnlyOldLeftoversOfASaveGo) {
    Sandbox sandbox;
    // 244 characters: "config.cfg.tmp~" beside the program passes 260 while its own path does not.
    constexpr std::size_t kLength = MAX_PATH - 16;
    std::wstring folder = sandbox.Folder();
    ASSERT_LT(folder.size() + 2, kLength);
    while (folder.size() < kLength) {
        std::size_t left = kLength - folder.size();  // each folder costs its name and a backslash
        std::size_t name = std::min<std::size_t>(50, left - 1);
        if (left - (name + 1) == 1) --name;  // never leave room for a nameless one
        folder += L"\\" + std::wstring(name, L'd');
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    }
    const std::wstring program = folder + L"\\Veilrunner.exe";
    ASSERT_TRUE(CopyFileW(sandbox.CopyProgram().c_str(), program.c_str(), FALSE));
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    WriteFileBytes(folder + L"\\myList.spls", ToAnsi(a) + "\r\n");
    WriteFileBytes(folder + L"\\config.cfg", player::ConfigText({}));
    // The settings' leftover is hours old; the playlist's may be another instance's save at work.
    const std::wstring deadLeftover = L"\\\\?\\" + folder + L"\\config.cfg.tmp~";
    const std::wstring freshLeftover = L"\\\\?\\" + folder + L"\\myList.spls.tmp~";
    WriteFileBytes(deadLeftover, "half");
    AgeFile(deadLeftover, 2);
    WriteFileBytes(freshLeftover, "half");

    player::Windows w = StartAt(sandbox, program);
    player::WaitForPreviewRun(sandbox, L"A", 1);
    EXPECT_FALSE(FileExists(deadLeftover));
    EXPECT_EQ(ReadFileBytes(freshLeftover), "half");
    SelectComboItem(w.timeCombo, 3);
    ASSERT_TRUE(files::Closed(w));
    EXPECT_EQ(ReadLines(folder + L"\\config.cfg").at(14), "3");
    EXPECT_EQ(ReadLines(folder + L"\\myList.spls"), std::vector<std::string>{ToAnsi(a)});
}

TEST(Names, ARelativeEntryStaysAsWrittenAndPlaysTheFileInTheCurrentFolder) {
    Sandbox sandbox;
    // The program lives in "prog", the current folder is the sandbox; both hold a "Rel.scr".
    ASSERT_TRUE(CreateDirectoryW(sandbox.PathOf(L"prog").c_str(), nullptr));
    const std::wstring program = sandbox.CopyIn(sandbox.CopyProgram(), L"prog\\Veilrunner.exe");
    sandbox.CopyLogSaver(L"Rel");
    sandbox.CopyIn(sandbox.PathOf(L"Rel.scr"), L"prog\\Rel.scr");
    WriteFileBytes(sandbox.PathOf(L"prog\\myList.spls"), "Rel.scr\r\n");
    WriteFileBytes(sandbox.PathOf(L"prog\\config.cfg"), player::ConfigText({}));

    player::Windows w = StartAt(sandbox, program);
    EXPECT_EQ(ListItems(w.list), std::vector<std::wstring>{L"Rel.scr"});
    player::WaitForPreviewRun(sandbox, L"Rel", 1);
    EXPECT_FALSE(FileExists(sandbox.PathOf(L"prog\\Rel.log")));
    ASSERT_TRUE(files::Closed(w));
    EXPECT_EQ(ReadFileBytes(sandbox.PathOf(L"prog\\myList.spls")), "Rel.scr\r\n");
    EXPECT_EQ(ReadLines(sandbox.PathOf(L"prog\\config.cfg")).at(1), "Rel.scr");
}

TEST(Names, WindowsSavedOnNoMonitorComeBackAndOthersStayExactly) {
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    player::Settings settings;
    settings.bar = {-32768, 32767};
    settings.playlist = {5000, 300};
    settings.host = {600, 500};
    player::Windows w = player::StartPlayer(sandbox, settings, {a});
    // The bar shows before the start-up places the windows: wait for it to have run.
    player::WaitForPreviewRun(sandbox, L"A", 1);
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    for (HWND window : {w.bar, w.playlist}) {
        RECT r = WindowRect(window), seen{};
        EXPECT_TRUE(IntersectRect(&seen, &r, &screen)) << "a window stayed off the screen";
        EXPECT_GE(r.left, 0);
        EXPECT_GE(r.top, 0);
    }
    EXPECT_EQ(WindowRect(w.host).left, 600);
    EXPECT_EQ(WindowRect(w.host).top, 500);
}

// A monitor unplugged since the last run: its windows come back onto one that is there, even
// where they lie inside the bounds of the monitors left; those on the second stay exactly.
TEST(TwoMonitorsNames, WindowsSavedOnAMonitorThatIsGoneComeBackOntoOne) {
    const TwoMonitors monitors = ListTwoMonitors();
    Sandbox sandbox;
    const std::wstring a = sandbox.CopyLogSaver(L"A");
    player::Settings settings;
    settings.bar = {monitors.second.left + 80, monitors.second.bottom + 40};  // below the second
    settings.playlist = {monitors.second.right + 100, 100};
    settings.host = {monitors.second.left + 150, 100};
    player::Windows w = player::StartPlayer(sandbox, settings, {a});
    player::WaitForPreviewRun(sandbox, L"A", 1);
    for (HWND window : {w.bar, w.playlist})
        EXPECT_NE(MonitorFromWindow(window, MONITOR_DEFAULTTONULL), nullptr)
            << "a window stayed on no monitor";
    EXPECT_EQ(WindowRect(w.host).left, settings.host.x);
    EXPECT_EQ(WindowRect(w.host).top, settings.host.y);
    EXPECT_TRUE(SameRect(MonitorOf(w.host), monitors.second));
}
