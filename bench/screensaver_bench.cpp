// Prints how Veilrunner.scr /s hands the screen from one saver to the next at the shortest
// interval: from the interval's end to the next saver's window on screen, the longest time with
// no saver window on screen once the first was up, the most saver processes at once, how long the
// rotator took from its start to its black backdrop, and how long the desktop showed at all after
// that: neither the backdrop nor a saver's window on screen.
//
// The interval is counted from the window of the saver on screen, so its end is taken as the
// moment that window was first seen here plus the interval. The screen is sampled as fast as the
// process and window listings allow; the sample period bounds what the figures can resolve.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "Clock.h"
#include "Driver.h"
#include "Player.h"
#include "rotator/Backdrop_win.h"

using namespace e2e;

namespace {

constexpr int kEvery3Seconds = 1;  // the shortest interval the player offers
constexpr double kIntervalMs = 3000;
constexpr unsigned kLongFullScreenMs = 120000;  // the logging savers end only when asked
constexpr int kHandOvers = 8;
constexpr DWORD kSampleMs = 5;

}  // namespace

int main() {
    Sandbox sandbox;
    std::vector<std::wstring> entries;
    for (const wchar_t* name : {L"A", L"B", L"C"})
        entries.push_back(sandbox.CopyLogSaver(name, kLongFullScreenMs));
    player::Settings settings;
    settings.interval = kEvery3Seconds;
    player::WriteSavedFiles(sandbox, settings, entries);
    Process& rotator = sandbox.Start(sandbox.CopyPlaylistSaver(), L"/s");
    const double startedAt = NowMs();
    double lastSample = 0, backdropAt = 0;

    std::map<DWORD, double> shownAt;  // each saver process's first sample with its window shown
    std::vector<double> toNext;       // from an interval's end to the next saver's window
    std::vector<double> periods;
    std::size_t most = 0;
    double longestUncovered = 0, uncoveredSince = 0, lastShownAt = 0, previous = 0, desktopShown = 0;
    const double deadline = NowMs() + (kHandOvers + 3) * kIntervalMs * 3;
    while (static_cast<int>(toNext.size()) < kHandOvers && NowMs() < deadline && rotator.Running()) {
        const double now = NowMs();
        if (previous) periods.push_back(now - previous);
        previous = now;
        std::vector<ProcessInfo> savers = ProcessesRunningFrom(sandbox.Folder());
        std::erase_if(savers, [&](const ProcessInfo& p) { return p.id == rotator.Id(); });
        most = std::max(most, savers.size());
        bool covered = false;
        for (const ProcessInfo& p : savers) {
            bool shown = false;
            for (HWND window : TopWindows(p.id)) shown = shown || IsShown(window);
            covered = covered || shown;
            if (!shown || shownAt.contains(p.id)) continue;
            if (lastShownAt) toNext.push_back(now - (lastShownAt + kIntervalMs));
            shownAt[p.id] = lastShownAt = now;
        }
        const HWND backdrop = FindWindowW(FromUtf8(vr::kBackdropClass).c_str(), nullptr);
        const bool backdropUp = backdrop && IsShown(backdrop);
        if (backdropUp && !backdropAt) backdropAt = now;
        // Uncovered since the last sample: the sample period bounds the figure.
        if (backdropAt && !covered && !backdropUp) desktopShown += now - lastSample;
        lastSample = now;
        if (!shownAt.empty() && !covered && !uncoveredSince) uncoveredSince = now;
        if (covered && uncoveredSince) {
            longestUncovered = std::max(longestUncovered, now - uncoveredSince);
            uncoveredSince = 0;
        }
        Sleep(kSampleMs);
    }

    if (toNext.empty()) {
        std::printf("no saver followed the first: nothing to measure\n");
        return 1;
    }
    std::sort(toNext.begin(), toNext.end());
    std::sort(periods.begin(), periods.end());
    std::printf("%-52s %10s %10s %10s\n", "Veilrunner.scr /s, \"Change every 3 Sec.\"", "median", "best",
                "worst");
    std::printf("%-52s %10.1f %10.1f %10.1f\n", "interval's end to the next saver's window (ms)",
                toNext[toNext.size() / 2], toNext.front(), toNext.back());
    std::printf("%-52s %32.1f\n", "longest with no saver window on screen (ms)", longestUncovered);
    std::printf("%-52s %32zu\n", "saver processes at once (most)", most);
    std::printf("%-52s %32.1f\n", "start of the rotator to its backdrop on screen (ms)",
                backdropAt - startedAt);
    std::printf("%-52s %32.1f\n", "desktop shown at all after that (ms)", desktopShown);
    std::printf("(%zu hand-overs; screen sampled every %.1f ms (median), %.1f ms at worst)\n", toNext.size(),
                periods[periods.size() / 2], periods.back());
    return 0;
}
