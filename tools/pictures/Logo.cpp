#include "Pictures.h"

#include <cmath>
#include <vector>

namespace pictures {
namespace {

constexpr int kScale = 4;  // fonts.logo is sized for this scale

// A feather from its tip to its nib: the vane swells and narrows along the shaft and stops
// short of the nib, leaving the bare quill. `grow` widens it for the white outline.
std::vector<Point> Vane(Point tip, Point nib, float halfWidth, float grow) {
    const float dx = nib.x - tip.x, dy = nib.y - tip.y, length = std::hypot(dx, dy);
    const Point normal{-dy / length, dx / length};
    std::vector<Point> left, right;
    for (int i = 0; i <= 40; ++i) {
        const float t = 0.78f * i / 40;
        const float w = halfWidth * std::sin(3.14159265f * std::pow(t / 0.78f, 0.7f)) + grow;
        const Point on{tip.x + dx * t, tip.y + dy * t};
        left.push_back({on.x + normal.x * w, on.y + normal.y * w});
        right.push_back({on.x - normal.x * w * 0.8f, on.y - normal.y * w * 0.8f});
    }
    left.insert(left.end(), right.rbegin(), right.rend());
    return left;
}

}  // namespace

// A serif Q in a double ring, crossed by a quill: the maker's name in one mark.
Canvas Logo(const Fonts& fonts) {
    Canvas big(100 * kScale, 100 * kScale, Hex(0xffffff));
    const float s = float(kScale);
    const Colour black = Hex(0x000000), white = Hex(0xffffff);
    big.Ring(50 * s, 50 * s, 45 * s, 4 * s, black);
    big.Ring(50 * s, 50 * s, 39.5f * s, 1.2f * s, black);
    fonts.logo.DrawCentred(big, int(47 * s), int(69 * s), "Q", black);

    const Point tip{80 * s, 16 * s}, nib{42 * s, 80 * s};
    big.FillPolygon(Vane(tip, nib, 8 * s, 2 * s), white);
    big.Line(tip.x, tip.y, nib.x, nib.y, 4.5f * s, white);
    big.FillPolygon(Vane(tip, nib, 8 * s, 0), black);
    big.Line(tip.x, tip.y, nib.x, nib.y, 1.8f * s, black);
    // The shaft shows white through the vane; a few cuts give the barbs.
    big.Line(tip.x + (nib.x - tip.x) * 0.05f, tip.y + (nib.y - tip.y) * 0.05f,
             tip.x + (nib.x - tip.x) * 0.76f, tip.y + (nib.y - tip.y) * 0.76f, 1.0f * s, white);
    for (float t : {0.28f, 0.45f, 0.6f}) {
        const Point on{tip.x + (nib.x - tip.x) * t, tip.y + (nib.y - tip.y) * t};
        big.Line(on.x - 7 * s, on.y - 2 * s, on.x - 2 * s, on.y + 1 * s, 1.0f * s, white);
    }
    return Downsample(big, kScale);
}

}  // namespace pictures
