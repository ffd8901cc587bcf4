#include "Pictures.h"

namespace pictures {
namespace {

constexpr int kScale = 4;

// A crescent moon over a veil of stars: the player's night-sky motif, small enough for 31 pixels.
Canvas Emblem(int size) {
    Canvas big(size * kScale, size * kScale, Hex(0x15213f));
    const float s = float(size * kScale);
    big.Glow(s * 0.5f, s * 0.5f, s * 0.6f, Hex(0x4d6fd1), 0.6f);
    big.Disc(s * 0.5f, s * 0.5f, s * 0.36f, Hex(0xfff1c4));
    big.Disc(s * 0.64f, s * 0.40f, s * 0.32f, Hex(0x1f2e58));
    for (Point p : {Point{0.2f, 0.2f}, Point{0.8f, 0.75f}, Point{0.75f, 0.15f}})
        big.Disc(s * p.x, s * p.y, kScale * 0.9f, Hex(0xffffff));
    return Downsample(big, kScale);
}

}  // namespace

Canvas Banner(const Fonts& fonts) {
    Canvas canvas(88, 31);
    canvas.VerticalGradient(0, 0, 88, 31, Hex(0x253a6e), Hex(0x0e1630));
    canvas.FillRect(1, 1, 86, 1, Hex(0x5b7cc4), 0.7f);
    canvas.FrameRect(0, 0, 88, 31, Hex(0x070b18));
    Canvas emblem = Emblem(23);
    canvas.Paste(emblem, 4, 4);
    canvas.FrameRect(3, 3, 25, 25, Hex(0x8fa8e0));
    fonts.title.DrawCentred(canvas, 58, 14, "Quillion", Hex(0xffffff));
    fonts.narrow.DrawCentred(canvas, 58, 25, "screensavers", Hex(0xb7ccff));
    return canvas;
}

}  // namespace pictures
