#include "Canvas.h"

#include <algorithm>
#include <cmath>

namespace pictures {

Colour Hex(unsigned rgb) {
    return {((rgb >> 16) & 0xFF) / 255.0f, ((rgb >> 8) & 0xFF) / 255.0f, (rgb & 0xFF) / 255.0f};
}

Colour Mix(Colour a, Colour b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Canvas::Canvas(int width, int height, Colour fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

void Canvas::Set(int x, int y, Colour c) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) pixels_[Index(x, y)] = c;
}

void Canvas::Blend(int x, int y, Colour c, float coverage) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || coverage <= 0) return;
    Colour& p = pixels_[Index(x, y)];
    p = Mix(p, c, std::min(coverage, 1.0f));
}

void Canvas::FillRect(int left, int top, int width, int height, Colour c, float opacity) {
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x) Blend(x, y, c, opacity);
}

void Canvas::VerticalGradient(int left, int top, int width, int height, Colour topColour,
                              Colour bottomColour) {
    for (int y = 0; y < height; ++y) {
        Colour c = Mix(topColour, bottomColour, height > 1 ? float(y) / float(height - 1) : 0.0f);
        for (int x = 0; x < width; ++x) Set(left + x, top + y, c);
    }
}

void Canvas::FrameRect(int left, int top, int width, int height, Colour c) {
    FillRect(left, top, width, 1, c);
    FillRect(left, top + height - 1, width, 1, c);
    FillRect(left, top, 1, height, c);
    FillRect(left + width - 1, top, 1, height, c);
}

void Canvas::Disc(float cx, float cy, float radius, Colour c, float opacity) {
    for (int y = int(cy - radius - 1); y <= int(cy + radius + 1); ++y)
        for (int x = int(cx - radius - 1); x <= int(cx + radius + 1); ++x) {
            float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
            Blend(x, y, c, std::clamp(radius - d + 0.5f, 0.0f, 1.0f) * opacity);
        }
}

void Canvas::Glow(float cx, float cy, float radius, Colour c, float strength) {
    for (int y = int(cy - radius); y <= int(cy + radius); ++y)
        for (int x = int(cx - radius); x <= int(cx + radius); ++x) {
            float t = 1 - std::hypot(x + 0.5f - cx, y + 0.5f - cy) / radius;
            if (t > 0) Blend(x, y, c, t * t * strength);
        }
}

void Canvas::Ring(float cx, float cy, float radius, float thickness, Colour c) {
    const float outer = radius + thickness / 2, inner = radius - thickness / 2;
    for (int y = int(cy - outer - 1); y <= int(cy + outer + 1); ++y)
        for (int x = int(cx - outer - 1); x <= int(cx + outer + 1); ++x) {
            float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
            float cover =
                std::min(std::clamp(outer - d + 0.5f, 0.0f, 1.0f), std::clamp(d - inner + 0.5f, 0.0f, 1.0f));
            Blend(x, y, c, cover);
        }
}

void Canvas::Line(float x0, float y0, float x1, float y1, float width, Colour c, float opacity) {
    const float half = width / 2, dx = x1 - x0, dy = y1 - y0;
    const float length2 = std::max(dx * dx + dy * dy, 1e-6f);
    for (int y = int(std::min(y0, y1) - half - 1); y <= int(std::max(y0, y1) + half + 1); ++y)
        for (int x = int(std::min(x0, x1) - half - 1); x <= int(std::max(x0, x1) + half + 1); ++x) {
            float px = x + 0.5f - x0, py = y + 0.5f - y0;
            float t = std::clamp((px * dx + py * dy) / length2, 0.0f, 1.0f);
            float d = std::hypot(px - t * dx, py - t * dy);
            Blend(x, y, c, std::clamp(half - d + 0.5f, 0.0f, 1.0f) * opacity);
        }
}

void Canvas::FillPolygon(std::span<const Point> corners, Colour c, float opacity) {
    for (int y = 0; y < height_; ++y) {
        const float py = y + 0.5f;
        std::vector<float> crossings;
        for (std::size_t i = 0; i < corners.size(); ++i) {
            Point a = corners[i], b = corners[(i + 1) % corners.size()];
            if ((a.y <= py) != (b.y <= py)) crossings.push_back(a.x + (py - a.y) / (b.y - a.y) * (b.x - a.x));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2)
            for (int x = int(std::ceil(crossings[i] - 0.5f)); x + 0.5f < crossings[i + 1]; ++x)
                Blend(x, y, c, opacity);
    }
}

void Canvas::Paste(const Canvas& from, int left, int top) {
    for (int y = 0; y < from.Height(); ++y)
        for (int x = 0; x < from.Width(); ++x) Set(left + x, top + y, from.At(x, y));
}

Canvas Downsample(const Canvas& big, int factor) {
    Canvas small(big.Width() / factor, big.Height() / factor);
    const float n = float(factor * factor);
    for (int y = 0; y < small.Height(); ++y)
        for (int x = 0; x < small.Width(); ++x) {
            Colour sum;
            for (int j = 0; j < factor; ++j)
                for (int i = 0; i < factor; ++i) {
                    Colour c = big.At(x * factor + i, y * factor + j);
                    sum.r += c.r;
                    sum.g += c.g;
                    sum.b += c.b;
                }
            small.Set(x, y, {sum.r / n, sum.g / n, sum.b / n});
        }
    return small;
}

}  // namespace pictures
