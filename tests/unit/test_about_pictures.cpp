// The pictures the program embeds are committed files made by tools/pictures; these tests keep
// a regenerated or hand-edited file from breaking the About window or the banner.
#include "about/JpegDecoder.h"
#include "about/Products.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

namespace vr {
namespace {

std::vector<std::uint8_t> ReadPicture(const char* name) {
    const auto path = std::filesystem::path(VR_SOURCE_DIR) / "res/about" / name;
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint32_t Le(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b.at(at + i);
    return v;
}

struct BmpHeader {
    std::int32_t width, height;
    unsigned bitsPerPixel, compression, offset;
};

BmpHeader ReadBmpHeader(const std::vector<std::uint8_t>& b) {
    EXPECT_GE(b.size(), 54u);
    EXPECT_EQ(b.at(0), 'B');
    EXPECT_EQ(b.at(1), 'M');
    return {static_cast<std::int32_t>(Le(b, 18, 4)), static_cast<std::int32_t>(Le(b, 22, 4)), Le(b, 28, 2),
            Le(b, 30, 4), Le(b, 10, 4)};
}

TEST(AboutPictures, LinksPictureDecodesAtTheSizeOfItsPlace) {
    auto image = DecodeJpeg(ReadPicture("links.jpg"));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->width, kPictureWidth);
    EXPECT_EQ(image->height, kPictureHeight);
}

TEST(AboutPictures, BannerIs88By31InTrueColour) {
    const auto bytes = ReadPicture("banner.bmp");
    const BmpHeader h = ReadBmpHeader(bytes);
    EXPECT_EQ(h.width, 88);
    EXPECT_EQ(h.height, 31);
    EXPECT_EQ(h.bitsPerPixel, 24u);
    EXPECT_EQ(h.compression, 0u);
    EXPECT_EQ(bytes.size(), h.offset + 31u * ((88u * 3 + 3) & ~3u));
}

TEST(AboutPictures, LogoIs100By100In16ColoursUsingOnlyBlackGreysAndWhite) {
    const auto bytes = ReadPicture("logo.bmp");
    const BmpHeader h = ReadBmpHeader(bytes);
    EXPECT_EQ(h.width, 100);
    EXPECT_EQ(h.height, 100);
    ASSERT_EQ(h.bitsPerPixel, 4u);
    EXPECT_EQ(h.compression, 0u);
    const std::size_t stride = (50 + 3) & ~3u;
    ASSERT_EQ(bytes.size(), h.offset + 100 * stride);

    std::set<unsigned> used;
    for (std::size_t row = 0; row < 100; ++row)
        for (std::size_t x = 0; x < 100; ++x) {
            const std::uint8_t pair = bytes[h.offset + row * stride + x / 2];
            used.insert(x % 2 ? pair & 0x0F : pair >> 4);
        }
    EXPECT_TRUE(used.count(0) && used.count(15)) << "black on white";
    for (unsigned index : used) {
        const std::size_t entry = 54 + 4 * index;  // palette: blue, green, red, reserved
        EXPECT_EQ(bytes[entry], bytes[entry + 1]) << "palette entry " << index << " is not grey";
        EXPECT_EQ(bytes[entry + 1], bytes[entry + 2]) << "palette entry " << index << " is not grey";
    }
}

}  // namespace
}  // namespace vr
