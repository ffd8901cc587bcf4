#pragma once
// The playlist as Veilrunner.scr plays it: where it starts, how often it changes, and which
// entries it passes over.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/FileSystem.h"
#include "hosting/SaverCommand.h"

namespace vr {

// The player's own files, read as the player left them.
struct RotatorPlan {
    std::vector<std::string> entries;
    std::size_t first = 0;               // the player's current screensaver, else the first entry
    std::optional<unsigned> intervalMs;  // none for "Change manually": the first plays alone
};

// configLines: "config.cfg" (empty when missing or unreadable); entries: "myList.spls"'s.
RotatorPlan PlanRotation(const std::vector<std::string>& configLines, std::vector<std::string> entries);
// Reads both files from programFolder, where the player keeps them. A file that is missing or
// cannot be read counts as empty, and nothing is ever written: the player owns them.
RotatorPlan ReadRotatorPlan(FileSystem& files, const std::string& programFolder);
// Whether the player's "config.cfg" in programFolder asks for one screensaver across all
// monitors. Only that small file is read: the mode is settled before anything covers the screen.
bool OneSaverAcrossMonitorsChosen(FileSystem& files, const std::string& programFolder);

// What the lineup asks about an entry's file at the moment it comes up.
class EntryProbe {
public:
    virtual ~EntryProbe() = default;
    virtual bool Exists(const std::string& path) = 0;
    // Veilrunner.scr itself or a copy of it, under any name (run by itself, it would start itself
    // again and again), or the player.
    virtual bool IsThisProgram(const std::string& path) = 0;
};

// A bounded share of the rotator's thread: work over a long playlist stops when it is used up and
// goes on at the next call, so the thread is back at its messages within a few tens of
// milliseconds, whatever the playlist holds.
class WorkSlice {
public:
    using Clock = std::function<std::uint64_t()>;
    static constexpr std::uint64_t kLengthMs = 25;  // one more start after it still ends within 50

    explicit WorkSlice(const Clock& clock) : clock_(clock), end_(clock() + kLengthMs) {}
    bool Over() const { return clock_() >= end_; }

private:
    const Clock& clock_;
    std::uint64_t end_;
};

class SaverLineup {
public:
    SaverLineup(const RotatorPlan& plan, EntryProbe& probe);

    // The entry that plays next: from the one after the last taken (the plan's first before any),
    // round the end, passing over entries that are gone, copies of this program and broken ones.
    // The last taken is offered again when it is the only one left; nothing when none is, or when
    // the slice was over first (Searching() then says so, and the next call goes on from there).
    std::optional<std::size_t> Upcoming(const WorkSlice& slice);
    bool Searching() const { return searched_.has_value(); }
    void Take(std::size_t index) {
        last_ = index;
        searched_.reset();
    }
    // Ended on its own right after its start, or could not be started: never tried again.
    void MarkBroken(std::size_t index) { broken_.at(index) = true; }
    const std::string& PathOf(std::size_t index) const { return entries_.at(index); }
    // Not broken, not a copy of this program, and its file there now.
    bool Playable(std::size_t index);

private:
    const std::vector<std::string>& entries_;
    EntryProbe& probe_;
    std::vector<bool> broken_;
    std::vector<signed char> thisProgram_;  // -1 until asked: the answer never changes
    std::optional<std::size_t> last_;
    std::size_t first_;
    std::optional<std::size_t> searched_;  // entries looked at by a search the slice cut short
};

}  // namespace vr
