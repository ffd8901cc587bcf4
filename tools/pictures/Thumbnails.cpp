#include "Thumbnails.h"

#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace pictures {
namespace {

constexpr int kScale = 4;  // each scene is painted this much larger and shrunk for smooth edges
constexpr float kPi = 3.14159265f;

// A fixed-seed generator, so the pictures come out the same on every run.
class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed) {}
    float Next() {  // 0..1
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) / float(1u << 24);
    }
    float Between(float lo, float hi) { return lo + (hi - lo) * Next(); }

private:
    std::uint32_t state_;
};

void EbookScene(Canvas& c) {
    const float w = float(c.Width()), h = float(c.Height());
    c.VerticalGradient(0, 0, c.Width(), c.Height(), Hex(0x4a3526), Hex(0x24170f));
    const float bw = w * 0.40f, bh = h * 0.84f, bx = (w - bw) / 2, by = (h - bh) / 2;
    c.FillRect(int(bx + 3 * kScale), int(by + 4 * kScale), int(bw), int(bh), Hex(0x000000), 0.35f);
    c.FillRect(int(bx), int(by), int(bw), int(bh), Hex(0x1f4e5a));
    c.FillRect(int(bx), int(by), int(bw * 0.12f), int(bh), Hex(0x163a43));
    const float gx = bx + bw * 0.56f, gy = by + bh * 0.42f;
    c.Glow(gx, gy, bh * 0.42f, Hex(0xffd27a), 0.55f);
    // The lantern: a hanging ring, a cage of two bars and a flame.
    const Colour gold = Hex(0xe8c36a);
    c.Ring(gx, gy - bh * 0.22f, bh * 0.045f, kScale * 1.2f, gold);
    c.Line(gx - bw * 0.16f, gy - bh * 0.15f, gx + bw * 0.16f, gy - bh * 0.15f, kScale * 2.2f, gold);
    c.Line(gx - bw * 0.16f, gy + bh * 0.15f, gx + bw * 0.16f, gy + bh * 0.15f, kScale * 2.2f, gold);
    for (float dx : {-0.13f, 0.13f})
        c.Line(gx + bw * dx, gy - bh * 0.15f, gx + bw * dx, gy + bh * 0.15f, kScale, gold);
    c.Disc(gx, gy + bh * 0.02f, bh * 0.06f, Hex(0xfff4c2));
    c.Disc(gx, gy - bh * 0.03f, bh * 0.035f, Hex(0xffffff));
    // Gold rules for the title and the frame.
    const float left = bx + bw * 0.2f, right = bx + bw * 0.92f;
    c.Line(left, by + bh * 0.78f, right, by + bh * 0.78f, kScale * 1.6f, gold);
    c.Line(left + bw * 0.1f, by + bh * 0.86f, right - bw * 0.1f, by + bh * 0.86f, kScale, gold, 0.8f);
    c.FrameRect(int(bx + bw * 0.16f), int(by + bh * 0.05f), int(bw * 0.8f), int(bh * 0.9f), gold);
}

void SeaScene(Canvas& c) {
    const float w = float(c.Width()), h = float(c.Height());
    c.VerticalGradient(0, 0, c.Width(), c.Height() / 2, Hex(0xf6c89f), Hex(0xa9c6e3));
    c.Glow(w * 0.68f, h * 0.42f, h * 0.45f, Hex(0xfff3da), 0.7f);
    c.Disc(w * 0.68f, h * 0.40f, h * 0.11f, Hex(0xfff7e8));
    const Colour deep = Hex(0x0f3057), shallow = Hex(0x4c8dc1);
    for (int layer = 0; layer < 5; ++layer) {
        const float base = h * (0.46f + 0.11f * layer), amp = h * (0.025f + 0.012f * layer);
        const float wavelength = w * (0.35f + 0.08f * layer), phase = layer * 1.7f;
        const Colour fill = Mix(shallow, deep, layer / 4.0f);
        for (int x = 0; x < c.Width(); ++x) {
            const float crest = base + amp * std::sin(2 * kPi * x / wavelength + phase);
            for (int y = int(crest); y < c.Height(); ++y) c.Set(x, y, Mix(fill, deep, (y - crest) / h));
            c.Blend(x, int(crest), Hex(0xdff0ff), 0.7f);
            c.Blend(x, int(crest) + 1, Hex(0xdff0ff), 0.35f);
        }
    }
}

void EmberScene(Canvas& c) {
    const float w = float(c.Width()), h = float(c.Height());
    c.VerticalGradient(0, 0, c.Width(), c.Height(), Hex(0x140808), Hex(0x3d1407));
    c.Glow(w * 0.5f, h * 1.1f, h * 0.9f, Hex(0xff6a1f), 0.8f);
    Random random(7);
    for (int i = 0; i < 60; ++i) {
        const float x = random.Between(0, w), y = random.Between(0, h);
        const float size = random.Between(0.5f, 2.0f) * kScale, heat = random.Next();
        const Colour colour = Mix(Hex(0xff4a12), Hex(0xffe08a), heat);
        c.Line(x, y - size * 5, x, y, size * 0.7f, colour, 0.35f);  // the trail of its fall
        c.Glow(x, y, size * 4, colour, 0.35f);
        c.Disc(x, y, size, colour);
    }
}

void NotesScene(Canvas& c) {
    const float w = float(c.Width()), h = float(c.Height());
    c.VerticalGradient(0, 0, c.Width(), c.Height(), Hex(0xe4ebf2), Hex(0xc3d0de));
    const int wx = int(w * 0.08f), wy = int(h * 0.12f), ww = int(w * 0.62f), wh = int(h * 0.78f);
    c.FillRect(wx + 2 * kScale, wy + 3 * kScale, ww, wh, Hex(0x000000), 0.2f);
    c.FillRect(wx, wy, ww, wh, Hex(0xffffff));
    c.FillRect(wx, wy, ww, int(h * 0.11f), Hex(0x2f5d8a));
    c.FrameRect(wx, wy, ww, wh, Hex(0x2a4a6b));
    const Colour notes[] = {Hex(0xffe27a), Hex(0xffb7c5), Hex(0xb9e8c6)};
    for (int i = 0; i < 3; ++i) {
        const int nx = wx + int(ww * (0.07f + 0.31f * i)), ny = wy + int(h * (0.2f + 0.08f * (i % 2)));
        const int nw = int(ww * 0.26f), nh = int(wh * 0.55f);
        c.FillRect(nx + kScale, ny + kScale, nw, nh, Hex(0x000000), 0.15f);
        c.FillRect(nx, ny, nw, nh, notes[i]);
        for (int line = 0; line < 4; ++line)
            c.Line(float(nx + nw * 0.15f), float(ny + nh * (0.25f + 0.17f * line)),
                   float(nx + nw * (line == 3 ? 0.55f : 0.85f)), float(ny + nh * (0.25f + 0.17f * line)),
                   kScale * 0.9f, Hex(0x6b6b6b), 0.6f);
    }
    // A paper plane gliding out of the window, with its wind.
    const float px = w * 0.84f, py = h * 0.24f, s = h * 0.14f;
    const Point wing[] = {
        {px - s * 1.6f, py + s * 0.2f}, {px + s * 0.9f, py - s * 0.6f}, {px - s * 0.5f, py + s * 0.9f}};
    const Point fold[] = {
        {px - s * 0.5f, py + s * 0.9f}, {px + s * 0.9f, py - s * 0.6f}, {px - s * 0.2f, py + s * 0.5f}};
    c.FillPolygon(wing, Hex(0xffffff));
    c.FillPolygon(fold, Hex(0xc9d6e4));
    c.Line(wing[0].x, wing[0].y, wing[1].x, wing[1].y, kScale * 0.8f, Hex(0x2a4a6b));
    c.Line(wing[1].x, wing[1].y, wing[2].x, wing[2].y, kScale * 0.8f, Hex(0x2a4a6b));
    for (int i = 0; i < 3; ++i) {
        const float y = py + s * (1.4f + 0.4f * i);
        c.Line(px - s * (0.6f - 0.3f * i), y, px + s * (0.9f - 0.2f * i), y - s * 0.3f, kScale * 0.8f,
               Hex(0x5a7fa6), 0.6f);
    }
}

void OrbitScene(Canvas& c) {
    const float w = float(c.Width()), h = float(c.Height());
    c.VerticalGradient(0, 0, c.Width(), c.Height(), Hex(0x070b24), Hex(0x1d2658));
    Random random(11);
    for (int i = 0; i < 80; ++i)
        c.Disc(random.Between(0, w), random.Between(0, h), random.Between(0.3f, 1.0f) * kScale, Hex(0xffffff),
               random.Between(0.4f, 1.0f));
    const float cx = w * 0.42f, cy = h * 0.56f, r = h * 0.24f;
    c.Glow(cx, cy, r * 1.6f, Hex(0x5c7ff0), 0.35f);
    c.Disc(cx, cy, r, Hex(0x5f86d6));
    c.Disc(cx + r * 0.35f, cy + r * 0.3f, r * 0.95f, Hex(0x1f2e6a), 0.55f);  // the night side
    c.Disc(cx - r * 0.35f, cy - r * 0.35f, r * 0.35f, Hex(0xa9c4ff), 0.35f);
    // The orbit, tilted, with the traveller at its front.
    const float tilt = -0.35f, ax = w * 0.40f, ay = h * 0.13f;
    Point previous{};
    for (int i = 0; i <= 120; ++i) {
        const float t = 2 * kPi * i / 120;
        const float ex = ax * std::cos(t), ey = ay * std::sin(t);
        const Point p{cx + ex * std::cos(tilt) - ey * std::sin(tilt),
                      cy + ex * std::sin(tilt) + ey * std::cos(tilt)};
        const bool behind = std::sin(t) < 0 && std::hypot(p.x - cx, p.y - cy) < r;
        if (i > 0 && !behind) c.Line(previous.x, previous.y, p.x, p.y, kScale * 0.8f, Hex(0xcfe0ff), 0.8f);
        previous = p;
    }
    const float t = 0.5f;
    const Point star{cx + ax * std::cos(t) * std::cos(tilt) - ay * std::sin(t) * std::sin(tilt),
                     cy + ax * std::cos(t) * std::sin(tilt) + ay * std::sin(t) * std::cos(tilt)};
    c.Glow(star.x, star.y, kScale * 10, Hex(0xfff1b8), 0.8f);
    c.Disc(star.x, star.y, kScale * 2.2f, Hex(0xfffbe8));
}

void GlassScene(Canvas& c) {
    const float w = float(c.Width()), h = float(c.Height());
    struct Seed {
        Point at;
        Colour colour;
    };
    const Colour greens[] = {Hex(0x2f6b3a), Hex(0x4f8f46), Hex(0x86b35a),
                             Hex(0xa9c97a), Hex(0x3c7d5c), Hex(0x6f9e3f)};
    Random random(5);
    std::vector<Seed> seeds;
    for (int i = 0; i < 22; ++i)
        seeds.push_back({{random.Between(0, w), random.Between(0, h)}, greens[i % std::size(greens)]});
    const float lead = kScale * 1.4f;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x) {
            float best = 1e9f, second = 1e9f;
            const Seed* nearest = &seeds[0];
            for (const Seed& s : seeds) {
                const float d = std::hypot(x - s.at.x, y - s.at.y);
                if (d < best) {
                    second = best;
                    best = d;
                    nearest = &s;
                } else if (d < second) {
                    second = d;
                }
            }
            // Light through the glass: brighter near each cell's heart and towards the top left.
            const float shine = 0.25f * std::exp(-best / (h * 0.25f)) + 0.2f * (1 - (x / w + y / h) / 2);
            Colour cell = Mix(nearest->colour, Hex(0xf3ffd9), shine);
            c.Set(x, y, (second - best) / 2 < lead ? Hex(0x1b261c) : cell);
        }
    c.Line(w * 0.1f, h * 1.0f, w * 0.75f, 0, kScale * 6, Hex(0xffffff), 0.12f);
}

using Painter = void (*)(Canvas&);
// In the order of the product table: e-book, two screensavers, program, two screensavers.
constexpr Painter kPainters[] = {EbookScene, SeaScene, EmberScene, NotesScene, OrbitScene, GlassScene};

}  // namespace

Canvas Thumbnail(std::size_t product, int width, int height) {
    if (product >= std::size(kPainters)) throw std::out_of_range("No scene for this product");
    Canvas big(width * kScale, height * kScale);
    kPainters[product](big);
    return Downsample(big, kScale);
}

}  // namespace pictures
