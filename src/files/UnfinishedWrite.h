#pragma once
// A save writes the new text beside its file first and puts it in the file's place once complete.
// What a save cut short by a kill or a power cut leaves there is removed at the next start, but
// only once it is old enough that no save can still be at work on it: another instance may be
// saving the same file at that moment.
#include <chrono>
#include <string>

namespace vr {

inline constexpr std::chrono::minutes kDeadLeftoverAge{10};

// The temporary file of a save of `path`.
std::string TemporaryFor(const std::string& path);
// A leftover unchanged for `age` belongs to no save at work any more.
bool IsDeadLeftover(std::chrono::seconds age);

}  // namespace vr
