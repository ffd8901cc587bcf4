// Prints how long closing the player takes with each kind of misbehaving screensaver playing:
// the time from WM_CLOSE to the player bar until the player's process has ended, and how many
// saver processes are left running from its folder a second after that. The well-behaved logging
// saver gives the figure to compare with.
//
// Each round starts one player per kind at once, each in a folder of its own, waits until every
// saver is up to its misbehaviour, then closes the players one after another: while one closes,
// the others idle with their previews, the same in every round.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "Clock.h"
#include "Driver.h"
#include "Player.h"

using namespace e2e;

namespace {

constexpr int kRounds = 3;
constexpr DWORD kEndWithinMs = 30000;  // past this the close counts as hung
constexpr auto kLeftAfter = std::chrono::milliseconds(1000);
constexpr unsigned kSlowForAMinute = 60000;  // "slow" is still before its window when it closes

struct Subject {
    std::string name;
    const bad::Kind* kind = nullptr;  // nullptr: the logging saver
};

struct Row {
    std::vector<double> ms;  // one per round whose player ended
    int hung = 0;            // rounds whose player had not ended after kEndWithinMs
    std::size_t mostLeft = 0;
};

struct Running {
    std::unique_ptr<Sandbox> sandbox;
    Process* program = nullptr;
    player::Windows windows;
    std::wstring saverName;
};

Running Start(const Subject& subject) {
    Running r;
    r.sandbox = std::make_unique<Sandbox>();
    std::wstring saver;
    if (subject.kind) {
        r.saverName = subject.kind->misbehaviour;
        saver = r.sandbox->CopyBadSaver(r.saverName, subject.kind->misbehaviour, kSlowForAMinute);
    } else {
        r.saverName = L"Calm";
        saver = r.sandbox->CopyLogSaver(r.saverName);
    }
    WriteFileBytes(r.sandbox->PathOf(L"config.cfg"), player::ConfigText({}));
    WriteFileBytes(r.sandbox->PathOf(L"myList.spls"), ToAnsi(saver) + "\r\n");
    r.program = &r.sandbox->StartProgram();
    return r;
}

bool Playing(const Running& r, const Subject& subject) {
    const auto runs = r.sandbox->SaverRuns(r.saverName);
    return !runs.empty() && (subject.kind ? bad::Misbehaving(runs[0], *subject.kind) : runs[0].Started());
}

// Closes the player and records the time to its end and the saver processes left after it.
void Close(Running& r, Row& row) {
    const double before = NowMs();
    PostMessageW(r.windows.bar, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(r.program->Handle(), kEndWithinMs) != WAIT_OBJECT_0) {
        ++row.hung;
        return;
    }
    row.ms.push_back(NowMs() - before);
    std::vector<ProcessInfo> left;
    WaitUntil([&] { return (left = ProcessesRunningFrom(r.sandbox->Folder())).empty(); }, kLeftAfter);
    row.mostLeft = std::max(row.mostLeft, left.size());
}

}  // namespace

int main() {
    // The crashing saver's crash report (Wine's debugger writes it to the output the programs
    // inherit) would bury the table: the programs get a null output instead.
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    const HANDLE errors = GetStdHandle(STD_ERROR_HANDLE);
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const HANDLE nowhere = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                       OPEN_EXISTING, 0, nullptr);
    SetStdHandle(STD_OUTPUT_HANDLE, nowhere);
    SetStdHandle(STD_ERROR_HANDLE, nowhere);
    std::vector<Subject> subjects;
    for (const bad::Kind& kind : bad::kAllKinds) subjects.push_back({ToUtf8(kind.misbehaviour), &kind});
    subjects.push_back({"well-behaved (LogSaver)", nullptr});
    std::vector<Row> rows(subjects.size());

    for (int round = 0; round < kRounds; ++round) {
        std::vector<Running> players;
        for (const Subject& subject : subjects) players.push_back(Start(subject));
        for (std::size_t i = 0; i < players.size(); ++i) {
            players[i].windows = player::WaitForPlayer(players[i].program->Id());
            if (!WaitUntil([&] { return Playing(players[i], subjects[i]); }))
                std::printf("(round %d: %s never got to its misbehaviour)\n", round + 1,
                            subjects[i].name.c_str());
        }
        for (std::size_t i = 0; i < players.size(); ++i) Close(players[i], rows[i]);
        // The sandboxes go here, ending whatever was left.
    }

    SetStdHandle(STD_OUTPUT_HANDLE, output);
    SetStdHandle(STD_ERROR_HANDLE, errors);
    CloseHandle(nowhere);
    std::printf("%-26s %10s %10s %10s %14s\n", "saver playing at the close", "median ms", "best ms",
                "worst ms", "left (most)");
    for (std::size_t i = 0; i < subjects.size(); ++i) {
        Row& row = rows[i];
        std::sort(row.ms.begin(), row.ms.end());
        if (row.ms.empty()) {
            std::printf("%-26s %10s %10s %10s %14zu\n", subjects[i].name.c_str(), "hung", "-", "-",
                        row.mostLeft);
            continue;
        }
        std::printf("%-26s %10.1f %10.1f %10.1f %14zu", subjects[i].name.c_str(), row.ms[row.ms.size() / 2],
                    row.ms.front(), row.ms.back(), row.mostLeft);
        if (row.hung) std::printf("  (%d of %d rounds hung)", row.hung, kRounds);
        std::printf("\n");
    }
    std::printf(
        "(%d rounds; from WM_CLOSE to the bar until the player's process ended; saver processes still\n"
        " running from the player's folder %lld ms after that, the most of any round)\n",
        kRounds, static_cast<long long>(kLeftAfter.count()));
    return 0;
}
