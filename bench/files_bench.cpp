// Prints how long the player takes over large playlists: importing a dropped ".spls" of 1,000 to
// 1,000,000 lines, starting with it as "myList.spls", saving it on close, and "Dir..." over folders
// of 1,000 to 10,000 screensavers. Every line names an existing file, so every line passes the
// type and existence tests and becomes an entry.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <thread>
#include <vector>

#include "Dialogs.h"
#include "Clock.h"
#include "Driver.h"
#include "Player.h"
#include "playlist/PlaylistWindowIds.h"

using namespace e2e;
namespace ids = vr::PlaylistWindowId;

namespace {

constexpr int kFolderFiles = 10000;
constexpr int kRounds = 3;
constexpr UINT kBusyForMs = 300000;  // the player's thread may be busy for long with big lists

// The number of entries; the answer waits while the player's thread is busy importing.
LRESULT EntryCount(HWND list) {
    DWORD_PTR count = 0;
    if (!SendMessageTimeoutW(list, LB_GETCOUNT, 0, 0, SMTO_NORMAL, kBusyForMs, &count)) return -1;
    return static_cast<LRESULT>(count);
}

// The longest the player's thread took to answer one of the questions asked since the last reset.
double g_slowestAnswerMs = 0;

// Milliseconds from `start` until the list holds `count` entries.
double UntilCount(HWND list, std::size_t count, double start) {
    for (;;) {
        const double asked = NowMs();
        const bool full = EntryCount(list) == static_cast<LRESULT>(count);
        g_slowestAnswerMs = std::max(g_slowestAnswerMs, NowMs() - asked);
        if (full) return NowMs() - start;
        Sleep(1);
    }
}

// The median and the best of the rounds: on a busy machine the best shows the player's own cost.
// Where the list was watched filling, also the slowest answer of any round.
struct Row {
    const char* what;
    std::size_t lines;
    std::vector<double> ms;
    double slowestAnswerMs = -1;
};

void Print(std::vector<Row> rows) {
    std::printf("%-58s %8s %10s %10s %9s %12s\n", "operation", "entries", "median ms", "best ms", "us/entry",
                "answers in");
    for (Row& r : rows) {
        std::sort(r.ms.begin(), r.ms.end());
        const double median = r.ms[r.ms.size() / 2];
        std::printf("%-58s %8zu %10.1f %10.1f %9.2f", r.what, r.lines, median, r.ms.front(),
                    median * 1000.0 / static_cast<double>(r.lines));
        if (r.slowestAnswerMs >= 0) std::printf(" %9.1f ms", r.slowestAnswerMs);
        std::printf("\n");
    }
    std::printf(
        "(%d rounds each; us/entry from the median; \"answers in\": the slowest answer to the list's\n"
        " count while it filled, in any round)\n",
        kRounds);
}

std::string PlaylistOf(const std::vector<std::wstring>& savers, std::size_t lines) {
    std::string text;
    for (std::size_t i = 0; i < lines; ++i) text += ToAnsi(savers[i % savers.size()]) + "\r\n";
    return text;
}

// Starts the player on the saved playlist; returns its windows and the time until the list was full.
player::Windows StartFilled(Sandbox& sandbox, std::size_t lines, double& ms) {
    const double start = NowMs();
    const DWORD id = sandbox.StartProgram().Id();
    HWND playlist = WaitForTopWindow(id, L"TForm1", std::chrono::minutes(5));
    HWND list = WaitForControl(playlist, ids::ListBox1);
    ms = UntilCount(list, lines, start);
    return player::WaitForPlayer(id);
}

// Closes the player; the time until the playlist file is written again, and until the end.
void CloseAndSave(Sandbox& sandbox, const player::Windows& w, double& savedMs, double& endedMs) {
    const std::wstring saved = sandbox.PathOf(L"myList.spls");
    DeleteFileW(saved.c_str());
    const double start = NowMs();
    Post(w.bar, WM_CLOSE);
    while (!FileExists(saved)) Sleep(1);
    savedMs = NowMs() - start;
    while (ProcessRunning(w.processId)) Sleep(1);
    endedMs = NowMs() - start;
}

void MeasurePlaylist(Sandbox& sandbox, const std::vector<std::wstring>& savers, std::size_t lines,
                     std::vector<Row>& rows) {
    const std::string text = PlaylistOf(savers, lines);
    const std::wstring dropped = sandbox.PathOf(L"dropped.spls");
    WriteFileBytes(dropped, text);
    std::vector<double> start, drop, save, end;
    double startAnswer = 0, dropAnswer = 0;
    for (int round = 0; round < kRounds; ++round) {
        WriteFileBytes(sandbox.PathOf(L"myList.spls"), text);
        double ms = 0;
        g_slowestAnswerMs = 0;
        player::Windows w = StartFilled(sandbox, lines, ms);
        start.push_back(ms);
        startAnswer = std::max(startAnswer, g_slowestAnswerMs);

        Click(FindControl(w.playlist, ids::Button3));  // "New"
        // The drag runs beside the watch on the list, which may take the drop while it lasts.
        const double dropAt = NowMs();
        std::thread dragging([&] {
            try {
                DropFiles(w.playlist, {dropped});
            } catch (const std::exception& e) {
                std::printf("(the drop failed: %s)\n", e.what());
                std::exit(1);
            }
        });
        g_slowestAnswerMs = 0;
        drop.push_back(UntilCount(w.list, lines, dropAt));
        dropAnswer = std::max(dropAnswer, g_slowestAnswerMs);
        dragging.join();

        double savedMs = 0, endedMs = 0;
        CloseAndSave(sandbox, w, savedMs, endedMs);
        save.push_back(savedMs);
        end.push_back(endedMs);
        if (ReadFileBytes(sandbox.PathOf(L"myList.spls")) != text)
            std::printf("(round %d saved other bytes)\n", round);
    }
    rows.push_back({"start with it as myList.spls: process start to list full", lines, start, startAnswer});
    rows.push_back({"drop it on the playlist window: request to list full", lines, drop, dropAnswer});
    rows.push_back({"close: WM_CLOSE to myList.spls written", lines, save});
    rows.push_back({"close: WM_CLOSE to process ended", lines, end});
}

// "Dir..." on the folder of `found`, in a player that holds one entry (of `savers`) before.
void MeasureFolder(Sandbox& sandbox, const std::vector<std::wstring>& savers,
                   const std::vector<std::wstring>& found, std::vector<Row>& rows) {
    const std::wstring folder = found.front().substr(0, found.front().find_last_of(L'\\'));
    std::vector<double> dir;
    for (int round = 0; round < kRounds; ++round) {
        WriteFileBytes(sandbox.PathOf(L"myList.spls"), PlaylistOf(savers, 1));
        double ms = 0;
        player::Windows w = StartFilled(sandbox, 1, ms);
        PostClick(FindControl(w.playlist, ids::Button2));
        HWND browser = WaitForDialog(w.processId);
        SelectFolderInBrowser(browser, folder);
        const double okAt = NowMs();
        PressOk(browser);
        dir.push_back(UntilCount(w.list, 1 + found.size(), okAt));
        double savedMs = 0, endedMs = 0;
        CloseAndSave(sandbox, w, savedMs, endedMs);
    }
    rows.push_back({"\"Dir...\" over a folder of screensavers: OK to list full", found.size(), dir});
}

// A new folder with `count` empty files named as screensavers; every name passes the type and
// existence tests, which is all an import asks of them.
std::vector<std::wstring> FolderOfSavers(const std::wstring& folder, int count) {
    CreateDirectoryW(folder.c_str(), nullptr);
    std::vector<std::wstring> paths;
    for (int i = 0; i < count; ++i) {
        wchar_t name[32];
        std::swprintf(name, 32, L"\\saver%05d.scr", i);
        paths.push_back(folder + name);
        WriteFileBytes(paths.back(), "");
    }
    return paths;
}

}  // namespace

int main() {
    Sandbox sandbox;
    const std::vector<std::wstring> savers = FolderOfSavers(sandbox.PathOf(L"many"), kFolderFiles);
    // The rotation stays off and the playlist window open, as a user with a big list would have it.
    WriteFileBytes(sandbox.PathOf(L"config.cfg"), player::ConfigText({}));

    std::vector<Row> rows;
    for (std::size_t lines :
         {std::size_t{1000}, std::size_t{10000}, std::size_t{100000}, std::size_t{1000000}})
        MeasurePlaylist(sandbox, savers, lines, rows);
    for (int files : {1000, 3000}) {
        const std::wstring folder = sandbox.PathOf(L"dir" + std::to_wstring(files));
        MeasureFolder(sandbox, savers, FolderOfSavers(folder, files), rows);
    }
    MeasureFolder(sandbox, savers, savers, rows);
    Print(rows);
    return 0;
}
