#include "rotator/SaverLineup.h"

#include "files/AppError.h"
#include "files/TypeKey.h"
#include "hosting/SaverCommand.h"
#include "player/Choices.h"
#include "player/Settings.h"
#include "playlist/PlaylistFileReader.h"

namespace vr {

RotatorPlan PlanRotation(const std::vector<std::string>& configLines, std::vector<std::string> entries) {
    RotatorPlan plan;
    const int item = ReadSettingInt(configLines, kConfigIntervalLine, kDefaultIntervalItem);
    const unsigned interval = IntervalOfItem(item).value_or(*IntervalOfItem(kDefaultIntervalItem));
    if (interval != kChangeManuallyMs) plan.intervalMs = interval;
    if (configLines.size() > kConfigSaverLine) {
        const std::string& current = configLines[kConfigSaverLine];
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (EqualsIgnoringAsciiCase(entries[i], current)) {
                plan.first = i;
                break;
            }
        }
    }
    plan.entries = std::move(entries);
    return plan;
}

namespace {

std::vector<std::string> ConfigLines(FileSystem& files, const std::string& programFolder) {
    try {
        return files.ReadLines(programFolder + kConfigFileName);
    } catch (const AppError&) {
        return {};
    }
}

}  // namespace

RotatorPlan ReadRotatorPlan(FileSystem& files, const std::string& programFolder) {
    const std::vector<std::string> config = ConfigLines(files, programFolder);
    std::vector<std::string> entries;
    try {
        entries = SaverLinesOf(files, programFolder + kSavedPlaylistFileName);
    } catch (const AppError&) {
    }
    RotatorPlan plan = PlanRotation(config, std::move(entries));
    // Made full from the current folder, as the player tests them: a relative name handed to the
    // system would be looked for beside this program first.
    for (std::string& entry : plan.entries) entry = files.FullPath(std::move(entry));
    return plan;
}

bool OneSaverAcrossMonitorsChosen(FileSystem& files, const std::string& programFolder) {
    return ReadSettingFlag(ConfigLines(files, programFolder), kConfigOneSaverAcrossMonitorsLine, false);
}

SaverLineup::SaverLineup(const RotatorPlan& plan, EntryProbe& probe)
    : entries_(plan.entries),
      probe_(probe),
      broken_(plan.entries.size(), false),
      thisProgram_(plan.entries.size(), -1),
      first_(plan.first) {}

bool SaverLineup::Playable(std::size_t index) {
    if (broken_[index]) return false;
    if (thisProgram_[index] < 0) thisProgram_[index] = probe_.IsThisProgram(entries_[index]) ? 1 : 0;
    return thisProgram_[index] == 0 && probe_.Exists(entries_[index]);
}

std::optional<std::size_t> SaverLineup::Upcoming(const WorkSlice& slice) {
    const std::size_t count = entries_.size();
    if (count == 0) return std::nullopt;
    const std::size_t from = last_ ? (*last_ + 1) % count : first_ % count;
    // At least one entry each call, so a search always gets on.
    for (std::size_t step = searched_.value_or(0); step < count; ++step) {
        if (step != searched_.value_or(0) && slice.Over()) {
            searched_ = step;
            return std::nullopt;
        }
        const std::size_t index = (from + step) % count;
        if (Playable(index)) {
            searched_.reset();
            return index;
        }
    }
    searched_.reset();
    return std::nullopt;
}

}  // namespace vr
