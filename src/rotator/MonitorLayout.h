#pragma once
// Veilrunner.scr with more than one monitor: a window of its own on each, which entry each plays,
// and what a change of the layout keeps. The monitors come as numbers, so the rules hold
// whatever the system lists and in whatever order.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace vr {

// A monitor's whole area in screen pixels (right and bottom just past it); its window covers
// exactly this.
struct MonitorArea {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool primary = false;
    bool operator==(const MonitorArea&) const = default;
};

// The monitors in the order they play: the primary first, then the others from left to right,
// then top to bottom. Monitors of no size are left out.
std::vector<MonitorArea> PlayingOrder(std::vector<MonitorArea> monitors);

// The entry of each monitor in playing order when the first plays `first`: monitor k plays the
// entry k places after it among those that can play, round the end, so fewer entries than
// monitors repeat. Empty when `first` is no entry.
std::vector<std::size_t> EntriesOnMonitors(std::size_t first, std::size_t monitorCount,
                                           std::size_t entryCount,
                                           const std::function<bool(std::size_t)>& canPlay);

// After a change of the layout, for each monitor of `after` (in playing order): the window of
// `before` on exactly its area, which plays on untouched, or none where a window must be made
// (a monitor added, moved or resized). A window of `before` that no monitor keeps goes.
std::vector<std::optional<std::size_t>> KeptWindows(const std::vector<MonitorArea>& before,
                                                    const std::vector<MonitorArea>& after);

}  // namespace vr
