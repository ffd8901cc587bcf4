// A slowly flowing plasma: sums of sine waves through a cycling palette. It is computed at a
// low resolution and stretched, which keeps full screen cheap and the gradients soft.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "Colour.h"
#include "Saver.h"

namespace {

constexpr int kMaxColumns = 400;  // the computed image is never wider than this

class Plasma final : public kit::Saver {
public:
    Plasma() {
        for (int i = 0; i < 256; ++i) {
            sine_[i] = static_cast<int>(63.5 + 63.5 * std::sin(i * 6.2831853 / 256.0));
            const COLORREF c = demo::Hue(i / 256.0f, 0.775f + 0.225f * std::sin(i * 6.2831853f / 128.0f));
            palette_[i] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
    }

    const wchar_t* Title() const override { return L"Plasma"; }

    void Resize(int width, int height) override {
        const int scale = std::max(2, (width + kMaxColumns - 1) / kMaxColumns);
        columns_ = std::max(1, width / scale);
        rows_ = std::max(1, height / scale);
        pixels_.assign(static_cast<std::size_t>(columns_) * rows_, 0);
    }

    void Step() override { ++time_; }

    void Paint(HDC dc, int width, int height) override {
        // Wave numbers are per computed pixel, so a preview shows the same picture as full screen.
        const int fx = std::max(1, 256 * 3 / columns_);
        const int fy = std::max(1, 256 * 2 / rows_);
        std::uint32_t* out = pixels_.data();
        for (int y = 0; y < rows_; ++y) {
            const int rowWave = sine_[(y * fy + time_) & 255] + sine_[(y * fy / 2 - time_ * 2) & 255];
            for (int x = 0; x < columns_; ++x) {
                const int v = rowWave + sine_[(x * fx + time_ * 3) & 255] +
                              sine_[((x * fx + y * fy) / 2 + time_) & 255];
                *out++ = palette_[(v + time_ * 2) & 255];
            }
        }
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = columns_;
        info.bmiHeader.biHeight = -rows_;  // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        SetStretchBltMode(dc, COLORONCOLOR);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchDIBits(dc, 0, 0, width, height, 0, 0, columns_, rows_, pixels_.data(), &info, DIB_RGB_COLORS,
                      SRCCOPY);
    }

private:
    std::array<int, 256> sine_{};
    std::array<std::uint32_t, 256> palette_{};
    std::vector<std::uint32_t> pixels_;
    int columns_ = 1;
    int rows_ = 1;
    int time_ = 0;
};

}  // namespace

std::unique_ptr<kit::Saver> kit::CreateSaver() { return std::make_unique<Plasma>(); }
