#include "rotator/MonitorLayout.h"

#include <algorithm>
#include <tuple>

namespace vr {

std::vector<MonitorArea> PlayingOrder(std::vector<MonitorArea> monitors) {
    std::erase_if(monitors, [](const MonitorArea& m) { return m.right <= m.left || m.bottom <= m.top; });
    // The current entry stays on the primary monitor, wherever the others are placed.
    std::stable_sort(monitors.begin(), monitors.end(), [](const MonitorArea& a, const MonitorArea& b) {
        return std::tuple(!a.primary, a.left, a.top) < std::tuple(!b.primary, b.left, b.top);
    });
    return monitors;
}

std::vector<std::size_t> EntriesOnMonitors(std::size_t first, std::size_t monitorCount,
                                           std::size_t entryCount,
                                           const std::function<bool(std::size_t)>& canPlay) {
    std::vector<std::size_t> entries;
    if (first >= entryCount || monitorCount == 0) return entries;
    entries.push_back(first);
    std::size_t at = first;
    while (entries.size() < monitorCount) {
        // The first entry can play, so the search ends at it at the latest.
        do at = (at + 1) % entryCount;
        while (at != first && !canPlay(at));
        entries.push_back(at);
    }
    return entries;
}

std::vector<std::optional<std::size_t>> KeptWindows(const std::vector<MonitorArea>& before,
                                                    const std::vector<MonitorArea>& after) {
    std::vector<std::optional<std::size_t>> kept;
    std::vector<bool> taken(before.size(), false);
    for (const MonitorArea& monitor : after) {
        std::optional<std::size_t> match;
        for (std::size_t i = 0; i < before.size() && !match; ++i) {
            const MonitorArea& old = before[i];
            const bool sameArea = old.left == monitor.left && old.top == monitor.top &&
                                  old.right == monitor.right && old.bottom == monitor.bottom;
            if (sameArea && !taken[i]) match = i;
        }
        if (match) taken[*match] = true;
        kept.push_back(match);
    }
    return kept;
}

}  // namespace vr
