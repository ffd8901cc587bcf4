#pragma once
// Turns the bytes of a JPEG file into pixels that a 32-bit top-down DIB section can take as they
// are. A damaged picture yields nothing, never a crash or a half-grey image.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vr {

struct Image {
    int width = 0;
    int height = 0;
    // Rows top to bottom, four bytes per pixel: blue, green, red, 255.
    std::vector<std::uint8_t> bgra;
};

// The program shows one small picture; a header that claims more is treated as damaged rather
// than allowed to ask for gigabytes.
inline constexpr std::uint64_t kMaxJpegPixels = 32u * 1024u * 1024u;

// Baseline, progressive and greyscale pictures; nothing for anything libjpeg rejects or warns
// about (truncated data, bad markers, a file of another kind, colour spaces it cannot turn into
// BGRA), and for pictures beyond kMaxJpegPixels.
std::optional<Image> DecodeJpeg(std::span<const std::uint8_t> bytes);

}  // namespace vr
