#pragma once
// Reading a file's bytes to the end. A read that fails midway (a network drop, a locked range)
// fails the whole: a part of a playlist must never pass for all of it.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace vr {

// Fills up to `size` bytes at `buffer`; gives how many (0 at the end), or nothing when it fails.
using ChunkReader = std::function<std::optional<std::size_t>(char* buffer, std::size_t size)>;

// Every byte up to the end, or nothing when any read fails.
std::optional<std::string> ReadWhole(const ChunkReader& read);

}  // namespace vr
