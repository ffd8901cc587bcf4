// The player's custody of the previews it starts: a stopped preview ends, with every process it
// started, whatever it does about the WM_QUIT; closing the player, however it is closed, ends it
// and leaves no saver running, nor does "Run..."; a host window a stopped preview left disabled is
// enabled again.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include "custody_support.h"
#include "playlist/PlaylistWindowIds.h"

using namespace e2e;
using namespace custody;
using namespace e2e::bad;

namespace {

constexpr int kEvery3Seconds = 1;
constexpr auto kRotationWatched = 60s;  // at most: the watch ends once the last entry plays
// "slow" is still before its window when the player closes.
constexpr unsigned kSlowForAMinute = 60000;
// Every kind but "modal", which has a scenario of its own; a well-behaved saver closes the round.
constexpr Kind kRotation[] = {kIgnoreQuit, kHang, kTopLevel, kSpawn, kCrash, kDivide, kSlow};

double Ms(const FILETIME& t) {
    const ULARGE_INTEGER v{{t.dwLowDateTime, t.dwHighDateTime}};
    return static_cast<double>(v.QuadPart) / 10000.0;
}

double NowMs() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return Ms(now);
}

// When the process was created, on the clock of NowMs; 0 when it cannot be asked (it is gone).
double CreatedMs(DWORD id) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
    if (!process) return 0;
    FILETIME created, exited, kernel, user;
    const bool known = GetProcessTimes(process, &created, &exited, &kernel, &user);
    CloseHandle(process);
    return known ? Ms(created) : 0;
}

std::wstring FileName(const std::wstring& path) { return path.substr(path.find_last_of(L'\\') + 1); }

std::string FirstLines(const std::vector<std::string>& lines, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < lines.size() && i < count; ++i) text += lines[i] + "\n";
    return text;
}

// A saver process as one sample saw it. The id with the creation time names a process even
// when Wine gives a dead one's id to a new one.
struct Seen {
    DWORD id = 0;
    DWORD parentId = 0;
    std::wstring file;
    double createdMs = 0;
    bool operator==(const Seen& other) const { return id == other.id && createdMs == other.createdMs; }
};

struct Sample {
    double atMs = 0;  // taken before the processes were listed: each one ran at this time or later
    std::vector<Seen> alive;
};

// Samples until `done` holds or `longest` has passed, whichever comes first: a busy machine
// stretches a rotation, so its end is a condition, not a fixed time.
std::vector<Sample> WatchSaverProcesses(const Sandbox& sandbox, DWORD playerId,
                                        std::chrono::milliseconds longest,
                                        const std::function<bool()>& done) {
    std::vector<Sample> samples;
    const double end = NowMs() + static_cast<double>(longest.count());
    while (NowMs() < end && !done()) {
        Sample sample{NowMs(), {}};
        for (const ProcessInfo& p : SaverProcesses(sandbox, playerId))
            if (const double created = CreatedMs(p.id))
                sample.alive.push_back({p.id, p.parentId, FileName(p.imagePath), created});
        samples.push_back(std::move(sample));
        Sleep(static_cast<DWORD>(kPollEvery.count()));  // the sampling period
    }
    return samples;
}

// A preview generation is a process the player started, with the processes that one started
// (the spawning saver's copy runs from the same file). Generation i is stopped when the player
// starts generation i + 1: it posts WM_QUIT to the pane's windows just before. From then on the
// player allows it 1000 ms, so no sample taken kStoppedPreviewEndsWithin after the next start
// may still see it. That also means at most two generations at any sample, the current one and
// the one stopped last, since starts are 3 s apart: this is checked on its own as well, for a
// process that no start can be blamed for. A start the samples missed (a saver that died within
// one period) only makes its predecessor's allowance longer, never a failure of its own.
std::vector<std::string> CustodyFaults(const std::vector<Sample>& samples, DWORD playerId) {
    std::vector<Seen> starts;
    for (const Sample& sample : samples)
        for (const Seen& seen : sample.alive)
            if (seen.parentId == playerId && std::find(starts.begin(), starts.end(), seen) == starts.end())
                starts.push_back(seen);
    std::sort(starts.begin(), starts.end(),
              [](const Seen& a, const Seen& b) { return a.createdMs < b.createdMs; });
    const auto generationOf = [&](const Seen& seen) -> std::ptrdiff_t {
        std::ptrdiff_t generation = -1;
        for (std::size_t i = 0; i < starts.size(); ++i)
            if (starts[i] == seen || (seen.parentId != playerId && starts[i].file == seen.file &&
                                      starts[i].createdMs <= seen.createdMs))
                generation = static_cast<std::ptrdiff_t>(i);
        return generation;
    };

    std::vector<std::string> faults;
    std::set<std::ptrdiff_t> reportedLate;
    const double begin = samples.empty() ? 0 : samples.front().atMs;
    for (const Sample& sample : samples) {
        std::set<std::ptrdiff_t> generations;
        std::string alive;
        for (const Seen& seen : sample.alive) {
            const std::ptrdiff_t generation = generationOf(seen);
            generations.insert(generation);
            alive += ' ';
            alive += ToUtf8(seen.file) + " (id " + std::to_string(seen.id) + ")";
            if (generation < 0 || static_cast<std::size_t>(generation) + 1 >= starts.size()) continue;
            const double sinceStop = sample.atMs - starts[generation + 1].createdMs;
            if (sinceStop > static_cast<double>(kStoppedPreviewEndsWithin.count()) &&
                reportedLate.insert(generation).second)
                faults.push_back(ToUtf8(seen.file) + " (id " + std::to_string(seen.id) + ") still ran " +
                                 std::to_string(static_cast<long>(sinceStop)) +
                                 " ms after its preview was stopped");
        }
        if (generations.size() > 2)
            faults.push_back(std::to_string(generations.size()) + " preview generations alive at " +
                             std::to_string(static_cast<long>(sample.atMs - begin)) + " ms:" + alive);
    }
    return faults;
}

// Closes the player (WM_CLOSE to the bar or to the host window, in turn) with each kind playing,
// each in a sandbox of its own: the player must end, and no process may be left in the folder.
void ExpectClosingEndsPlayerAndSavers(std::initializer_list<Kind> kinds) {
    bool throughBar = true;
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(ToUtf8(kind.misbehaviour) + std::string(" playing, WM_CLOSE to the ") +
                     (throughBar ? "player bar" : "host window"));
        Sandbox sandbox;
        const player::Windows w =
            player::StartPlayer(sandbox, {}, {CopySaver(sandbox, kind, kSlowForAMinute)});
        if (WaitUntilPlaying(sandbox, kind)) {
            const Process held = Hold(w.processId);
            Post(throughBar ? w.bar : w.host, WM_CLOSE);
            EXPECT_TRUE(PlayerEnded(held)) << DescribeWindowsOf(w.processId);
            EXPECT_EQ(Describe(ProcessesLeft(sandbox)), "");
        }
        throughBar = !throughBar;
    }
}

}  // namespace

TEST(Custody, RotatingThroughMisbehavingSaversEndsEachStoppedPreviewWithWhatItStarted) {
    Sandbox sandbox;
    std::vector<std::wstring> entries;
    for (const Kind& kind : kRotation) entries.push_back(CopySaver(sandbox, kind));
    entries.push_back(sandbox.CopyLogSaver(L"Calm"));
    player::Settings settings;
    settings.interval = kEvery3Seconds;
    const player::Windows w = player::StartPlayer(sandbox, settings, entries);

    // Watched until the last entry has played for an interval, so the rotation went round the
    // whole playlist and the preview before it had its time to end.
    double calmSeenMs = 0;
    const std::vector<Sample> samples = WatchSaverProcesses(sandbox, w.processId, kRotationWatched, [&] {
        if (calmSeenMs == 0 && !sandbox.SaverRuns(L"Calm").empty()) calmSeenMs = NowMs();
        return calmSeenMs != 0 && NowMs() - calmSeenMs > 3000;
    });
    const std::vector<std::string> faults = CustodyFaults(samples, w.processId);
    EXPECT_TRUE(faults.empty()) << faults.size() << " custody faults, the first ones:\n"
                                << FirstLines(faults, 8);
    // The rotation went round the whole playlist while it was watched.
    for (const Kind& kind : kRotation)
        EXPECT_FALSE(sandbox.SaverRuns(kind.misbehaviour).empty())
            << ToUtf8(kind.misbehaviour) << " never played";
    EXPECT_FALSE(sandbox.SaverRuns(L"Calm").empty());

    const Process held = Hold(w.processId);
    Post(w.bar, WM_CLOSE);
    EXPECT_TRUE(PlayerEnded(held)) << DescribeWindowsOf(w.processId);
    EXPECT_EQ(Describe(ProcessesLeft(sandbox)), "");
}

// The kinds whose own process outlives the WM_QUIT: it never sees it (top-level, slow before its
// window, hang) or carries on (ignore-quit).
TEST(Custody, ClosingEndsThePlayerAndAPreviewThatOutlivesTheQuit) {
    ExpectClosingEndsPlayerAndSavers({kIgnoreQuit, kHang, kTopLevel, kSlow});
}

// The kinds that end on the WM_QUIT or before it, but leave a process (spawn), a box that
// disabled the host (modal) or a crash behind, and a well-behaved one (divide in a real pane).
TEST(Custody, ClosingEndsThePlayerAndWhatAPreviewStartedOrLeftBehind) {
    ExpectClosingEndsPlayerAndSavers({kSpawn, kModal, kCrash, kDivide});
}

// "shutdown" ends the other instances without asking them: their savers must go with them. Two
// instances, in folders of their own, play a saver with a copy of its own and one that hangs.
TEST(Custody, ShutdownLeavesNoSaverOfTheInstancesItEnds) {
    Sandbox spawning;
    const player::Windows first = player::StartPlayer(spawning, {}, {CopySaver(spawning, kSpawn)});
    Sandbox hanging;
    const player::Windows second = player::StartPlayer(hanging, {}, {CopySaver(hanging, kHang)});
    const std::optional<SaverRun> spawned = WaitUntilPlaying(spawning, kSpawn);
    ASSERT_TRUE(spawned && WaitUntilPlaying(hanging, kHang));
    ASSERT_TRUE(ProcessRunning(static_cast<DWORD>(std::stoul(spawned->other.at("child_pid")))));

    const Process firstHeld = Hold(first.processId);
    const Process secondHeld = Hold(second.processId);
    Process& verb = spawning.StartProgram(L"shutdown");
    EXPECT_EQ(verb.WaitForExit(), std::optional<DWORD>(0));
    EXPECT_TRUE(PlayerEnded(firstHeld));
    EXPECT_TRUE(PlayerEnded(secondHeld));
    EXPECT_EQ(Describe(ProcessesLeft(spawning)), "");
    EXPECT_EQ(Describe(ProcessesLeft(hanging)), "");
}

// A saver's message box owned by the host window disables it; the saver is stopped under it.
TEST(Custody, AHostWindowAStoppedPreviewLeftDisabledIsEnabledAgain) {
    Sandbox sandbox;
    const std::wstring modal = CopySaver(sandbox, kModal);
    const std::wstring calm = sandbox.CopyLogSaver(L"Calm");
    const player::Windows w = player::StartPlayer(sandbox, {}, {modal, calm});
    const std::optional<SaverRun> boxed = WaitUntilPlaying(sandbox, kModal);
    ASSERT_TRUE(boxed);
    EXPECT_EQ(boxed->other.at("message_box_owner"),
              std::to_wstring(reinterpret_cast<std::uintptr_t>(w.host)));
    ASSERT_TRUE(WaitUntil([&] { return !IsEnabled(w.host); })) << "the saver's box disables its owner";
    const Process modalHeld = Hold(boxed->processId);

    SelectListItem(w.list, 1);
    player::WaitForPreviewRun(sandbox, L"Calm", 1);
    EXPECT_TRUE(modalHeld.WaitForExit().has_value()) << "the stopped preview ends";
    EXPECT_TRUE(WaitUntil([&] { return IsEnabled(w.host); }));
}

TEST(Custody, WhatAFullScreenRunStartedEndsWithTheRun) {
    Sandbox sandbox;
    const std::wstring spawn = CopySaver(sandbox, kSpawn);
    const std::wstring settings = sandbox.PathOf(L"spawn.ini");
    WriteFileBytes(settings, ReadFileBytes(settings).value() + "FullScreenMs=60000\r\n");
    const player::Windows w = player::StartPlayer(sandbox, {}, {spawn});
    ASSERT_TRUE(WaitUntilPlaying(sandbox, kSpawn));
    PostClick(FindControl(w.playlist, vr::PlaylistWindowId::Button7));
    std::optional<SaverRun> run;
    ASSERT_TRUE(WaitUntil([&] {
        for (const SaverRun& r : sandbox.SaverRuns(kSpawn.misbehaviour))
            run = r.mode == L"fullscreen" && r.Logged("child_pid") ? r : run;
        return run.has_value();
    }));
    const Process child = Hold(static_cast<DWORD>(std::stoul(run->other.at("child_pid"))));
    // However the run ends, a crash included.
    Hold(run->processId).Kill();
    EXPECT_TRUE(child.WaitForExit(6s).has_value()) << "the run's child outlived it";
}
