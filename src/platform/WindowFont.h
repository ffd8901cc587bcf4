#pragma once
// The font of every window. Window-free, so the choice is tested natively.
#include <string_view>

namespace vr {

inline constexpr std::string_view kWindowFontFace = "Microsoft Sans Serif";

struct FontChoice {
    std::string_view face;
    int height;  // a LOGFONT height: negative asks for the character height in pixels
};

// "Microsoft Sans Serif", the TrueType face of the classic dialog design with the same metrics,
// 11 pixels high at 96 DPI and in proportion at any other. The raster "MS Sans Serif" comes in a
// few fixed sizes for one Western code page: at 125 % and above it jumps between sizes, and names
// in other scripts show as boxes, where Windows links the TrueType face to fonts for them.
FontChoice WindowFontAt(int dpi);

}  // namespace vr
