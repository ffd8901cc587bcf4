// The About window's picture decoder, given any bytes: a picture it accepts has the size it
// claims, within the limit, in opaque BGRA; anything else gives nothing.
#include <cstddef>
#include <cstdint>
#include <span>

#include "FuzzCheck.h"
#include "about/JpegDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto image = vr::DecodeJpeg(std::span<const std::uint8_t>(data, size));
    if (!image) return 0;
    FUZZ_CHECK(image->width > 0 && image->height > 0);
    const auto pixels = static_cast<std::uint64_t>(image->width) * static_cast<std::uint64_t>(image->height);
    FUZZ_CHECK(pixels <= vr::kMaxJpegPixels);
    FUZZ_CHECK(image->bgra.size() == pixels * 4);
    for (std::size_t i = 3; i < image->bgra.size(); i += 4) FUZZ_CHECK(image->bgra[i] == 255);
    return 0;
}
