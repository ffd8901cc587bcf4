#include "Font.h"

#include <stdexcept>
#include <string>

namespace pictures {
namespace {

// Light hinting keeps the glyph shapes and snaps only vertically: crisp baselines and stems
// at the 8 to 12 pixel sizes of the tiles and the banner.
constexpr FT_Int32 kLoadFlags = FT_LOAD_TARGET_LIGHT;

}  // namespace

FontLibrary::FontLibrary() {
    if (FT_Init_FreeType(&library_)) throw std::runtime_error("FreeType does not start");
}

FontLibrary::~FontLibrary() { FT_Done_FreeType(library_); }

Font::Font(const FontLibrary& library, const char* path, int pixelHeight) {
    if (FT_New_Face(library.Get(), path, 0, &face_))
        throw std::runtime_error(std::string("Cannot read font ") + path);
    FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixelHeight));
}

Font::~Font() { FT_Done_Face(face_); }

int Font::Measure(std::string_view text) const {
    int width = 0;
    for (char ch : text) {
        if (FT_Load_Char(face_, static_cast<unsigned char>(ch), kLoadFlags)) continue;
        width += static_cast<int>((face_->glyph->advance.x + 32) >> 6);
    }
    return width;
}

int Font::Draw(Canvas& canvas, int x, int y, std::string_view text, Colour c) const {
    for (char ch : text) {
        if (FT_Load_Char(face_, static_cast<unsigned char>(ch), kLoadFlags | FT_LOAD_RENDER)) continue;
        const FT_GlyphSlot g = face_->glyph;
        const FT_Bitmap& bitmap = g->bitmap;
        for (unsigned row = 0; row < bitmap.rows; ++row)
            for (unsigned col = 0; col < bitmap.width; ++col) {
                float coverage = bitmap.buffer[row * bitmap.pitch + col] / 255.0f;
                canvas.Blend(x + g->bitmap_left + int(col), y - g->bitmap_top + int(row), c, coverage);
            }
        x += static_cast<int>((g->advance.x + 32) >> 6);
    }
    return x;
}

void Font::DrawCentred(Canvas& canvas, int cx, int y, std::string_view text, Colour c) const {
    Draw(canvas, cx - Measure(text) / 2, y, text, c);
}

}  // namespace pictures
