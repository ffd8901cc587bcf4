#pragma once
// A save writes the new text beside its file first and puts it in the file's place once complete.
// What a save cut short by a kill or a power cut leaves there is removed at the next start, but
// only once it is old enough that no save can still be at work on it: another instance may be
// saving the same file at that moment.
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

namespace vr {

inline constexpr std::chrono::minutes kDeadLeftoverAge{10};

// The temporary file of one save of `path`: named after the saving process and that process's
// count of saves, so two instances saving at once, or a leftover of any kind (a folder
// included), never share a name with it.
std::string TemporaryFor(const std::string& path, std::uint32_t processId, std::uint32_t save);
// Whether `name`, a name in the folder of the saved file `savedName`, is a temporary file of
// one of its saves (this version's or an earlier one's).
bool IsTemporaryOf(std::string_view savedName, std::string_view name);
// A leftover unchanged for `age` belongs to no save at work any more.
bool IsDeadLeftover(std::chrono::seconds age);

}  // namespace vr
