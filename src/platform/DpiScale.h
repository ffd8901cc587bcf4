#pragma once
// Every size and place in the program's tables is a figure at 96 DPI; a window shows it at its
// own DPI. Window-free, so the rounding is tested natively.

namespace vr {

constexpr int kDesignDpi = 96;
// The scales a DPI may name (50 % to 1000 %); another value is no DPI.
inline constexpr int kLowestDpi = 48;
inline constexpr int kHighestDpi = 960;

// figure * dpi / 96, rounded to the nearest pixel with halves away from zero, as MulDiv rounds,
// so a place and the width beside it grow alike whatever their sign.
int ScaleForDpi(int figure, int dpi);

// A length in pixels at one DPI, the same length at another, rounded as ScaleForDpi rounds and
// held inside the range of int.
int ScaleBetweenDpis(int pixels, int fromDpi, int toDpi);

}  // namespace vr
