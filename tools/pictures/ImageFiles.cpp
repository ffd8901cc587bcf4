#include "ImageFiles.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>

namespace pictures {
namespace {

std::uint8_t Byte(float v) { return static_cast<std::uint8_t>(std::clamp(v, 0.0f, 1.0f) * 255.0f + 0.5f); }

void Put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// File header and BITMAPINFOHEADER for a bottom-up picture with the given palette size.
std::vector<std::uint8_t> BmpHeaders(int width, int height, int bitsPerPixel, int paletteSize,
                                     std::uint32_t imageBytes) {
    const std::uint32_t offset = 14 + 40 + 4 * paletteSize;
    std::vector<std::uint8_t> out{'B', 'M'};
    Put32(out, offset + imageBytes);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(bitsPerPixel));
    Put32(out, 0);  // no compression
    Put32(out, imageBytes);
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, static_cast<std::uint32_t>(paletteSize));
    Put32(out, 0);
    return out;
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("Cannot write " + path);
}

}  // namespace

void WriteJpeg(const Canvas& canvas, const std::string& path, int quality) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr err{};
    cinfo.err = jpeg_std_error(&err);  // a failure here ends the tool, which is what we want
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(canvas.Width());
    cinfo.image_height = static_cast<JDIMENSION>(canvas.Height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    // Full-resolution colour: the picture is small and its thin coloured lines would smear.
    for (int i = 0; i < 3; ++i) cinfo.comp_info[i].h_samp_factor = cinfo.comp_info[i].v_samp_factor = 1;
    cinfo.optimize_coding = TRUE;
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(canvas.Width()) * 3);
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            Colour c = canvas.At(x, y);
            row[3 * x] = Byte(c.r);
            row[3 * x + 1] = Byte(c.g);
            row[3 * x + 2] = Byte(c.b);
        }
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&cinfo, &r, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::unique_ptr<unsigned char, decltype(&std::free)> owned(buffer, &std::free);
    WriteFile(path, std::vector<std::uint8_t>(buffer, buffer + size));
}

void WriteBmp24(const Canvas& canvas, const std::string& path) {
    const int stride = (canvas.Width() * 3 + 3) & ~3;
    std::vector<std::uint8_t> out = BmpHeaders(canvas.Width(), canvas.Height(), 24, 0,
                                               static_cast<std::uint32_t>(stride * canvas.Height()));
    for (int y = canvas.Height() - 1; y >= 0; --y) {
        std::size_t start = out.size();
        for (int x = 0; x < canvas.Width(); ++x) {
            Colour c = canvas.At(x, y);
            out.insert(out.end(), {Byte(c.b), Byte(c.g), Byte(c.r)});
        }
        out.resize(start + stride, 0);
    }
    WriteFile(path, out);
}

void WriteBmp4Grey(const Canvas& canvas, const std::string& path) {
    // The 16-colour system palette, blue-green-red-reserved.
    static const std::uint8_t kPalette[16][3] = {
        {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},  {0, 0, 128}, {128, 0, 128},
        {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0},    {0, 255, 0}, {255, 255, 0},
        {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};
    struct Grey {
        float level;
        std::uint8_t index;
    };
    static const Grey kGreys[] = {{0.0f, 0}, {128 / 255.0f, 8}, {192 / 255.0f, 7}, {1.0f, 15}};

    const int stride = ((canvas.Width() + 1) / 2 + 3) & ~3;
    std::vector<std::uint8_t> out = BmpHeaders(canvas.Width(), canvas.Height(), 4, 16,
                                               static_cast<std::uint32_t>(stride * canvas.Height()));
    for (const auto& rgb : kPalette) out.insert(out.end(), {rgb[2], rgb[1], rgb[0], 0});
    for (int y = canvas.Height() - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(stride), 0);
        for (int x = 0; x < canvas.Width(); ++x) {
            Colour c = canvas.At(x, y);
            float level = (c.r + c.g + c.b) / 3;
            const Grey* best = &kGreys[0];
            for (const Grey& g : kGreys)
                if (std::abs(g.level - level) < std::abs(best->level - level)) best = &g;
            row[x / 2] |= (x % 2) ? best->index : static_cast<std::uint8_t>(best->index << 4);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    WriteFile(path, out);
}

}  // namespace pictures
