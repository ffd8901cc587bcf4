#include "about/JpegDecoder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include <jpeglib.h>

namespace vr {
namespace {

struct Rgb {
    int r, g, b;
};

enum class Kind { Baseline, Progressive, Greyscale };

// Encodes a picture in memory with the same libjpeg the decoder uses, so each test states its
// pixels instead of carrying binary files around.
std::vector<std::uint8_t> Encode(int width, int height, Kind kind,
                                 const std::function<Rgb(int, int)>& pixel) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr err{};
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    const bool grey = kind == Kind::Greyscale;
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = grey ? 1 : 3;
    cinfo.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    if (kind == Kind::Progressive) jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(width) * cinfo.input_components);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Rgb p = pixel(x, y);
            if (grey) {
                row[x] = static_cast<std::uint8_t>(p.r);
            } else {
                row[3 * x] = static_cast<std::uint8_t>(p.r);
                row[3 * x + 1] = static_cast<std::uint8_t>(p.g);
                row[3 * x + 2] = static_cast<std::uint8_t>(p.b);
            }
        }
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&cinfo, &r, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::vector<std::uint8_t> bytes(out, out + size);
    jpeg_destroy_compress(&cinfo);
    std::free(out);
    return bytes;
}

// Four flat quadrants: red, green, blue, white. Flat areas survive JPEG almost exactly.
Rgb Quadrants(int x, int y, int width, int height) {
    bool right = x >= width / 2, bottom = y >= height / 2;
    if (!right && !bottom) return {230, 20, 20};
    if (right && !bottom) return {20, 200, 40};
    if (!right && bottom) return {30, 40, 220};
    return {255, 255, 255};
}

std::vector<std::uint8_t> QuadrantPicture(int width, int height, Kind kind) {
    return Encode(width, height, kind, [=](int x, int y) { return Quadrants(x, y, width, height); });
}

void ExpectPixel(const Image& image, int x, int y, Rgb want) {
    const std::uint8_t* p = &image.bgra[(static_cast<std::size_t>(y) * image.width + x) * 4];
    SCOPED_TRACE("pixel " + std::to_string(x) + "," + std::to_string(y));
    EXPECT_NEAR(p[0], want.b, 10);
    EXPECT_NEAR(p[1], want.g, 10);
    EXPECT_NEAR(p[2], want.r, 10);
    EXPECT_EQ(p[3], 255);
}

// Checks a pixel well inside each quadrant, away from the ringing at the edges.
void ExpectQuadrants(const Image& image) {
    const int w = image.width, h = image.height;
    ExpectPixel(image, w / 4, h / 4, Quadrants(0, 0, w, h));
    ExpectPixel(image, 3 * w / 4, h / 4, Quadrants(w - 1, 0, w, h));
    ExpectPixel(image, w / 4, 3 * h / 4, Quadrants(0, h - 1, w, h));
    ExpectPixel(image, 3 * w / 4, 3 * h / 4, Quadrants(w - 1, h - 1, w, h));
}

TEST(JpegDecoder, BaselineGivesSizeAndBgraPixels) {
    auto image = DecodeJpeg(QuadrantPicture(64, 48, Kind::Baseline));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->width, 64);
    EXPECT_EQ(image->height, 48);
    ASSERT_EQ(image->bgra.size(), 64u * 48u * 4u);
    ExpectQuadrants(*image);
}

TEST(JpegDecoder, ProgressiveDecodesLikeBaseline) {
    auto image = DecodeJpeg(QuadrantPicture(64, 48, Kind::Progressive));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->width, 64);
    EXPECT_EQ(image->height, 48);
    ExpectQuadrants(*image);
}

TEST(JpegDecoder, SizesThatAreNoMultipleOfTheBlockKeepRowsApart) {
    auto image = DecodeJpeg(QuadrantPicture(37, 19, Kind::Baseline));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->width, 37);
    EXPECT_EQ(image->height, 19);
    ASSERT_EQ(image->bgra.size(), 37u * 19u * 4u);
    ExpectPixel(*image, 2, 2, {230, 20, 20});
    ExpectPixel(*image, 35, 17, {255, 255, 255});
}

TEST(JpegDecoder, GreyscaleComesOutAsEqualBlueGreenRed) {
    // Horizontal bands of four grey levels.
    auto bytes = Encode(32, 32, Kind::Greyscale, [](int, int y) {
        int level = (y / 8) * 80;
        return Rgb{level, level, level};
    });
    auto image = DecodeJpeg(bytes);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->width, 32);
    EXPECT_EQ(image->height, 32);
    for (int band = 0; band < 4; ++band) {
        int level = band * 80;
        ExpectPixel(*image, 16, band * 8 + 4, {level, level, level});
        const std::uint8_t* p = &image->bgra[(static_cast<std::size_t>(band * 8 + 4) * 32 + 16) * 4];
        EXPECT_EQ(p[0], p[1]);
        EXPECT_EQ(p[1], p[2]);
    }
}

// Busy content, so that most of the file is entropy-coded data and not tables.
std::vector<std::uint8_t> TexturedPicture(Kind kind) {
    return Encode(128, 96, kind, [](int x, int y) {
        return Rgb{(x * 37 + y * 11) % 256, (x * x + y * 5) % 256, (x * y * 3) % 256};
    });
}

// Where the first scan's data begins: just past the start-of-scan segment.
std::size_t FirstScanData(const std::vector<std::uint8_t>& bytes) {
    for (std::size_t i = 0; i + 3 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xDA) return i + 2 + (bytes[i + 2] << 8 | bytes[i + 3]);
    return 0;
}

TEST(JpegDecoder, PictureCutInItsScanDataGivesNothing) {
    for (Kind kind : {Kind::Baseline, Kind::Progressive}) {
        auto bytes = TexturedPicture(kind);
        ASSERT_TRUE(DecodeJpeg(bytes).has_value());
        std::size_t scan = FirstScanData(bytes);
        ASSERT_GT(scan, 0u);
        ASSERT_LT(scan + 64, bytes.size());
        bytes.resize(scan + (bytes.size() - scan) / 2);
        EXPECT_FALSE(DecodeJpeg(bytes).has_value());
    }
}

TEST(JpegDecoder, PictureWithoutItsEndMarkerGivesNothing) {
    auto bytes = TexturedPicture(Kind::Progressive);
    bytes.resize(bytes.size() - 2);
    EXPECT_FALSE(DecodeJpeg(bytes).has_value());
}

TEST(JpegDecoder, HeaderWithoutScanGivesNothing) {
    auto bytes = QuadrantPicture(64, 48, Kind::Baseline);
    bytes.resize(20);
    EXPECT_FALSE(DecodeJpeg(bytes).has_value());
}

TEST(JpegDecoder, FileOfAnotherKindGivesNothing) {
    const std::string bmp = "BM\x36\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00 not a picture";
    std::vector<std::uint8_t> bytes(bmp.begin(), bmp.end());
    EXPECT_FALSE(DecodeJpeg(bytes).has_value());
}

TEST(JpegDecoder, EmptyInputGivesNothing) { EXPECT_FALSE(DecodeJpeg({}).has_value()); }

TEST(JpegDecoder, MarkerInsideTheScanDataGivesNothing) {
    auto bytes = TexturedPicture(Kind::Baseline);
    // A restart marker where none is expected, in the middle of the entropy-coded data.
    std::size_t scan = FirstScanData(bytes);
    ASSERT_GT(scan, 0u);
    std::size_t middle = scan + (bytes.size() - scan) / 2;
    bytes[middle] = 0xFF;
    bytes[middle + 1] = 0xD3;
    EXPECT_FALSE(DecodeJpeg(bytes).has_value());
}

TEST(JpegDecoder, HeaderClaimingAHugePictureGivesNothing) {
    auto bytes = QuadrantPicture(16, 16, Kind::Baseline);
    // Start of frame: FF C0, length (2), precision (1), height (2), width (2).
    std::size_t sof = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) {
            sof = i;
            break;
        }
    ASSERT_NE(sof, 0u);
    for (std::size_t i : {sof + 5, sof + 7}) {
        bytes[i] = 0xFF;
        bytes[i + 1] = 0x00;
    }
    EXPECT_FALSE(DecodeJpeg(bytes).has_value());
}

}  // namespace
}  // namespace vr
