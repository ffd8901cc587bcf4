#include "Icons.h"

#include <algorithm>
#include <cmath>

namespace pictures {
namespace {

constexpr float kPi = 3.14159265f;
constexpr float kGrid = 32;  // the motifs are laid out on a 32 x 32 grid
constexpr float kInset = 1;  // the tile leaves one grid unit free on each side
constexpr float kCornerRadius = 6;

// Paints in grid units on a canvas of any size.
class Painter {
public:
    explicit Painter(Canvas& canvas) : canvas_(canvas), unit_(canvas.Width() / kGrid) {}

    void Gradient(unsigned top, unsigned bottom) {
        canvas_.VerticalGradient(0, 0, canvas_.Width(), canvas_.Height(), Hex(top), Hex(bottom));
    }
    void Disc(float x, float y, float r, unsigned rgb, float opacity = 1) {
        canvas_.Disc(x * unit_, y * unit_, r * unit_, Hex(rgb), opacity);
    }
    void Glow(float x, float y, float r, unsigned rgb, float strength) {
        canvas_.Glow(x * unit_, y * unit_, r * unit_, Hex(rgb), strength);
    }
    void Line(float x0, float y0, float x1, float y1, float width, unsigned rgb, float opacity = 1) {
        canvas_.Line(x0 * unit_, y0 * unit_, x1 * unit_, y1 * unit_, width * unit_, Hex(rgb), opacity);
    }
    // A band across the tile along y = middle + amplitude * sin(waves * 2 pi * x / grid + phase).
    void Wave(float middle, float amplitude, float waves, float phase, float width, unsigned rgb,
              float opacity) {
        Canvas band(canvas_.Width(), canvas_.Height());
        Canvas cover(canvas_.Width(), canvas_.Height());
        auto y = [&](float x) { return middle + amplitude * std::sin(waves * 2 * kPi * x / kGrid + phase); };
        for (float x = -1; x < kGrid + 1; x += 0.5f)
            cover.Line(x * unit_, y(x) * unit_, (x + 0.5f) * unit_, y(x + 0.5f) * unit_, width * unit_,
                       Hex(0xffffff));
        // Drawn through a mask so overlapping segments do not pile up their opacity.
        for (int py = 0; py < canvas_.Height(); ++py)
            for (int px = 0; px < canvas_.Width(); ++px)
                canvas_.Blend(px, py, Hex(rgb), cover.At(px, py).r * opacity);
    }
    void Polygon(std::initializer_list<Point> corners, unsigned rgb) {
        std::vector<Point> scaled;
        for (Point p : corners) scaled.push_back({p.x * unit_, p.y * unit_});
        canvas_.FillPolygon(scaled, Hex(rgb));
    }
    void RoundedTile(unsigned rgb) {
        const float a = kInset + kCornerRadius, b = kGrid - kInset - kCornerRadius;
        const Colour c = Hex(rgb);
        const int lo = int(kInset * unit_), hi = int((kGrid - kInset) * unit_);
        canvas_.FillRect(int(a * unit_), lo, int((b - a) * unit_), hi - lo, c);
        canvas_.FillRect(lo, int(a * unit_), hi - lo, int((b - a) * unit_), c);
        for (float x : {a, b})
            for (float y : {a, b}) Disc(x, y, kCornerRadius, rgb);
    }

private:
    Canvas& canvas_;
    float unit_;
};

// A play triangle over a veil of two light bands: a player of moving pictures.
void ProgramMotif(Painter& p) {
    p.Gradient(0x1c2b6e, 0x6a2c8e);
    p.Wave(12, 3.5f, 0.8f, 0.6f, 3.2f, 0x8fe9ff, 0.55f);
    p.Wave(21, 3.0f, 0.7f, 2.4f, 2.4f, 0xff9be6, 0.45f);
    p.Polygon({{12.5f, 8.5f}, {12.5f, 23.5f}, {25, 16}}, 0x000000);  // a shadow keeps it clear on the bands
    p.Polygon({{11.5f, 8}, {11.5f, 23}, {24, 15.5f}}, 0xffffff);
}

void StarfieldMotif(Painter& p) {
    p.Gradient(0x02030a, 0x101c48);
    struct Star {
        float x, y, r;
    };
    static const Star kStars[] = {{7, 7, 1.6f},   {25, 8, 1.9f},  {26, 24, 2.2f}, {6, 25, 1.8f},
                                  {16, 5, 1.1f},  {27, 16, 1.2f}, {5, 16, 1.0f},  {17, 27, 1.3f},
                                  {12, 12, 0.8f}, {21, 20, 0.9f}};
    for (const Star& s : kStars) {  // streaks away from the middle: flying through the stars
        const float dx = s.x - 16, dy = s.y - 16;
        p.Line(16 + dx * 0.6f, 16 + dy * 0.6f, s.x, s.y, s.r, 0x9fc4ff, 0.45f);
    }
    for (const Star& s : kStars) p.Disc(s.x, s.y, s.r, 0xffffff);
}

void PlasmaMotif(Painter& p) {
    p.Gradient(0x3a0a5e, 0x24083f);
    struct Blob {
        float x, y;
        unsigned rgb;
    };
    static const Blob kBlobs[] = {{8, 9, 0xff3b6b}, {24, 8, 0xffc93b}, {8, 24, 0x3bd1ff}, {24, 24, 0xb43bff}};
    for (int layer = 0; layer < 2; ++layer)  // twice: full colour at the centres, soft between
        for (const Blob& b : kBlobs) p.Glow(b.x, b.y, 17, b.rgb, 1.0f);
    p.Glow(16, 16, 8, 0xffffff, 0.6f);
}

void RibbonsMotif(Painter& p) {
    p.Gradient(0x0a0f24, 0x141a3a);
    p.Wave(10, 4, 0.9f, 0.0f, 3.5f, 0xff8a3b, 1.0f);
    p.Wave(16, 4, 0.9f, 1.6f, 3.5f, 0x5be37d, 1.0f);
    p.Wave(22, 4, 0.9f, 3.2f, 3.5f, 0x4fa8ff, 1.0f);
}

void PaintMotif(IconMotif motif, Painter& p) {
    switch (motif) {
    case IconMotif::Program: return ProgramMotif(p);
    case IconMotif::Starfield: return StarfieldMotif(p);
    case IconMotif::Plasma: return PlasmaMotif(p);
    case IconMotif::Ribbons: return RibbonsMotif(p);
    }
}

IconImage DrawSize(IconMotif motif, int size) {
    const int factor = std::max(4, 512 / size);  // smooth edges at every size
    const int big = size * factor;
    Canvas colour(big, big), shape(big, big);
    Painter art(colour), outline(shape);
    PaintMotif(motif, art);
    outline.RoundedTile(0xffffff);
    // Colour outside the tile counts as black, so the shrunk colour is premultiplied by coverage.
    for (int y = 0; y < big; ++y)
        for (int x = 0; x < big; ++x) {
            const float cover = shape.At(x, y).r;
            const Colour c = colour.At(x, y);
            colour.Set(x, y, {c.r * cover, c.g * cover, c.b * cover});
        }
    IconImage image{Downsample(colour, factor), Downsample(shape, factor)};
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const float a = image.alpha.At(x, y).r;
            const Colour c = image.colour.At(x, y);
            if (a > 0) image.colour.Set(x, y, {c.r / a, c.g / a, c.b / a});
        }
    return image;
}

}  // namespace

std::vector<IconImage> DrawIcon(IconMotif motif) {
    std::vector<IconImage> images;
    for (int size : kIconSizes) images.push_back(DrawSize(motif, size));
    return images;
}

}  // namespace pictures
