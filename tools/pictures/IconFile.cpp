#include "IconFile.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <stdexcept>

#include <zlib.h>

namespace pictures {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint8_t Byte(float v) { return static_cast<std::uint8_t>(std::clamp(v, 0.0f, 1.0f) * 255.0f + 0.5f); }

void PutLE(Bytes& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back((v >> (8 * i)) & 0xFF);
}

void PutBE32(Bytes& out, std::uint32_t v) {
    for (int i = 3; i >= 0; --i) out.push_back((v >> (8 * i)) & 0xFF);
}

// The opacity of one pixel, 0 to 255.
std::uint8_t Alpha(const IconImage& image, int x, int y) { return Byte(image.alpha.At(x, y).r); }

void PngChunk(Bytes& out, const char* type, const Bytes& data) {
    PutBE32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBE32(out,
            static_cast<std::uint32_t>(crc32(0, out.data() + start, static_cast<uInt>(out.size() - start))));
}

Bytes Png(const IconImage& image) {
    const int w = image.colour.Width(), h = image.colour.Height();
    Bytes raw;
    for (int y = 0; y < h; ++y) {
        raw.push_back(0);  // no filter
        for (int x = 0; x < w; ++x) {
            const Colour c = image.colour.At(x, y);
            raw.insert(raw.end(), {Byte(c.r), Byte(c.g), Byte(c.b), Alpha(image, x, y)});
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    Bytes packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK)
        throw std::runtime_error("Cannot compress the icon's PNG image");
    packed.resize(packedSize);

    Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    PutBE32(header, static_cast<std::uint32_t>(w));
    PutBE32(header, static_cast<std::uint32_t>(h));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter, no interlace
    PngChunk(out, "IHDR", header);
    PngChunk(out, "IDAT", packed);
    PngChunk(out, "IEND", {});
    return out;
}

// BITMAPINFOHEADER (of double height: colour and mask), bottom-up BGRA, then the AND mask.
Bytes Dib(const IconImage& image) {
    const int w = image.colour.Width(), h = image.colour.Height();
    const int maskStride = ((w + 31) / 32) * 4;
    Bytes out;
    PutLE(out, 40, 4);
    PutLE(out, static_cast<std::uint32_t>(w), 4);
    PutLE(out, static_cast<std::uint32_t>(2 * h), 4);
    PutLE(out, 1, 2);
    PutLE(out, 32, 2);
    PutLE(out, 0, 4);  // no compression
    PutLE(out, static_cast<std::uint32_t>(w * h * 4 + maskStride * h), 4);
    for (int i = 0; i < 4; ++i) PutLE(out, 0, 4);
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x) {
            const Colour c = image.colour.At(x, y);
            out.insert(out.end(), {Byte(c.b), Byte(c.g), Byte(c.r), Alpha(image, x, y)});
        }
    // The mask is what old renderers use: transparent where nothing of the tile shows.
    for (int y = h - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(maskStride), 0);
        for (int x = 0; x < w; ++x)
            if (Alpha(image, x, y) == 0) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

void WriteIco(const std::vector<IconImage>& images, const std::string& path) {
    std::vector<Bytes> bodies;
    for (const IconImage& image : images)
        bodies.push_back(image.colour.Width() >= 256 ? Png(image) : Dib(image));

    Bytes out;
    PutLE(out, 0, 2);
    PutLE(out, 1, 2);  // an icon, not a cursor
    PutLE(out, static_cast<std::uint32_t>(images.size()), 2);
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int size = images[i].colour.Width();
        out.push_back(size >= 256 ? 0 : static_cast<std::uint8_t>(size));  // 0 stands for 256
        out.push_back(size >= 256 ? 0 : static_cast<std::uint8_t>(size));
        out.push_back(0);  // no palette
        out.push_back(0);
        PutLE(out, 1, 2);   // planes
        PutLE(out, 32, 2);  // bits per pixel
        PutLE(out, static_cast<std::uint32_t>(bodies[i].size()), 4);
        PutLE(out, offset, 4);
        offset += static_cast<std::uint32_t>(bodies[i].size());
    }
    for (const Bytes& body : bodies) out.insert(out.end(), body.begin(), body.end());

    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    if (!file) throw std::runtime_error("Cannot write " + path);
}

}  // namespace pictures
