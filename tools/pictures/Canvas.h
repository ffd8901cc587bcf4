#pragma once
// An RGB raster in floating point, with the few drawing operations the pictures need. Shapes are
// drawn with coverage-weighted blending; painters that want smooth edges everywhere draw at a
// multiple of the final size and shrink the result with Downsample.
#include <span>
#include <vector>

namespace pictures {

struct Point {
    float x = 0, y = 0;
};

struct Colour {
    float r = 0, g = 0, b = 0;
};

// 0xRRGGBB as written in design tools.
Colour Hex(unsigned rgb);
Colour Mix(Colour a, Colour b, float t);  // t = 0 gives a, 1 gives b

class Canvas {
public:
    Canvas(int width, int height, Colour fill = {});
    int Width() const { return width_; }
    int Height() const { return height_; }
    Colour At(int x, int y) const { return pixels_[Index(x, y)]; }
    void Set(int x, int y, Colour c);
    // Blends c over the pixel with the given coverage (0..1); points outside are ignored.
    void Blend(int x, int y, Colour c, float coverage);

    void FillRect(int left, int top, int width, int height, Colour c, float opacity = 1);
    void VerticalGradient(int left, int top, int width, int height, Colour topColour, Colour bottomColour);
    void FrameRect(int left, int top, int width, int height, Colour c);
    // Disc with a one-pixel soft edge; radial glow fading to nothing at the radius.
    void Disc(float cx, float cy, float radius, Colour c, float opacity = 1);
    void Glow(float cx, float cy, float radius, Colour c, float strength);
    void Ring(float cx, float cy, float radius, float thickness, Colour c);
    // A line of the given width with round caps.
    void Line(float x0, float y0, float x1, float y1, float width, Colour c, float opacity = 1);
    // Fills the polygon (even-odd rule) by pixel centres, without smoothing: meant for painters
    // that draw large and downsample.
    void FillPolygon(std::span<const Point> corners, Colour c, float opacity = 1);
    // Copies another canvas with its top-left at (left, top).
    void Paste(const Canvas& from, int left, int top);

private:
    int Index(int x, int y) const { return y * width_ + x; }
    int width_, height_;
    std::vector<Colour> pixels_;
};

// Averages factor x factor blocks into one pixel.
Canvas Downsample(const Canvas& big, int factor);

}  // namespace pictures
