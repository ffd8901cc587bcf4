// Prints how Veilrunner.scr /s hands the screen from one saver to the next at the shortest
// interval: from the interval's end to the next saver's window on screen, the longest time with
// no saver window on screen once the first was up, the most saver processes at once, how long the
// rotator took from its start to its black backdrop, and how long the desktop showed at all after
// that: neither the backdrop nor a saver's window on screen. On a display of more than one
// monitor, where each monitor plays a saver of its own, it prints the longest time any monitor
// showed no saver window and the most saver processes at once instead.
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
constexpr double kEveryMonitorWatchMs = 8 * kIntervalMs;

Process& StartRotator(Sandbox& sandbox) {
    std::vector<std::wstring> entries;
    for (const wchar_t* name : {L"A", L"B", L"C"})
        entries.push_back(sandbox.CopyLogSaver(name, kLongFullScreenMs));
    player::Settings settings;
    settings.interval = kEvery3Seconds;
    player::WriteSavedFiles(sandbox, settings, entries);
    return sandbox.Start(sandbox.CopyPlaylistSaver(), L"/s");
}

BOOL CALLBACK CollectMonitor(HMONITOR, HDC, LPRECT area, LPARAM found) {
    reinterpret_cast<std::vector<RECT>*>(found)->push_back(*area);
    return TRUE;
}

std::vector<RECT> Monitors() {
    std::vector<RECT> monitors;
    EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

// The shown windows of the saver processes, their own and those inside the rotator's windows.
std::vector<RECT> SaverWindows(const std::vector<ProcessInfo>& savers, DWORD rotator) {
    std::vector<HWND> windows;
    auto add = [&](const std::vector<HWND>& more) {
        windows.insert(windows.end(), more.begin(), more.end());
    };
    for (const ProcessInfo& p : savers) add(TopWindows(p.id));
    for (HWND top : TopWindows(rotator)) add(Descendants(top));
    std::vector<RECT> shown;
    for (HWND window : windows) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        const bool saver =
            std::any_of(savers.begin(), savers.end(), [&](const ProcessInfo& p) { return p.id == owner; });
        if (saver && IsWindowVisible(window)) shown.push_back(WindowRect(window));
    }
    return shown;
}

bool Shows(const std::vector<RECT>& windows, const RECT& monitor) {
    return std::any_of(windows.begin(), windows.end(), [&](const RECT& r) {
        return r.left <= monitor.left && r.top <= monitor.top && r.right >= monitor.right &&
               r.bottom >= monitor.bottom;
    });
}

// Each monitor from its first saver window on: the longest it showed none.
int MeasureEveryMonitor(const std::vector<RECT>& monitors) {
    Sandbox sandbox;
    Process& rotator = StartRotator(sandbox);
    std::vector<double> uncoveredSince(monitors.size(), 0), longest(monitors.size(), 0);
    std::vector<bool> seen(monitors.size(), false);
    std::size_t most = 0, samples = 0;
    const double end = NowMs() + kEveryMonitorWatchMs;
    while (NowMs() < end && rotator.Running()) {
        std::vector<ProcessInfo> savers = ProcessesRunningFrom(sandbox.Folder());
        std::erase_if(savers, [&](const ProcessInfo& p) { return p.id == rotator.Id(); });
        most = std::max(most, savers.size());
        const std::vector<RECT> windows = SaverWindows(savers, rotator.Id());
        const double now = NowMs();
        for (std::size_t m = 0; m < monitors.size(); ++m) {
            const bool shows = Shows(windows, monitors[m]);
            seen[m] = seen[m] || shows;
            if (seen[m] && !shows && !uncoveredSince[m]) uncoveredSince[m] = now;
            if (shows && uncoveredSince[m]) {
                longest[m] = std::max(longest[m], now - uncoveredSince[m]);
                uncoveredSince[m] = 0;
            }
        }
        ++samples;
        Sleep(kSampleMs);
    }
    if (std::find(seen.begin(), seen.end(), false) != seen.end()) {
        std::printf("a monitor never showed a saver: nothing to measure\n");
        return 1;
    }
    std::printf("%-60s %10zu\n", "Veilrunner.scr /s on monitors", monitors.size());
    std::printf("%-60s %10.1f\n", "longest any monitor showed no saver window (ms)",
                *std::max_element(longest.begin(), longest.end()));
    std::printf("%-60s %10zu\n", "saver processes at once (most)", most);
    std::printf("(%.0f s at \"Change every 3 Sec.\", %zu samples)\n", kEveryMonitorWatchMs / 1000, samples);
    return 0;
}

}  // namespace

int main() {
    const std::vector<RECT> monitors = Monitors();
    if (monitors.size() > 1) return MeasureEveryMonitor(monitors);
    Sandbox sandbox;
    Process& rotator = StartRotator(sandbox);
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
