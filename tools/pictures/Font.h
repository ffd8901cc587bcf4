#pragma once
// Text through FreeType, anti-aliased and hinted for small sizes.
#include <string_view>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "Canvas.h"

namespace pictures {

class FontLibrary {
public:
    FontLibrary();
    ~FontLibrary();
    FontLibrary(const FontLibrary&) = delete;
    FontLibrary& operator=(const FontLibrary&) = delete;
    FT_Library Get() const { return library_; }

private:
    FT_Library library_ = nullptr;
};

class Font {
public:
    // Throws std::runtime_error when the file cannot be read as a font.
    Font(const FontLibrary& library, const char* path, int pixelHeight);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // Advance width of an ASCII text in pixels.
    int Measure(std::string_view text) const;
    // Draws with the baseline at y; returns the pen position after the text.
    int Draw(Canvas& canvas, int x, int y, std::string_view text, Colour c) const;
    // Draws centred on cx.
    void DrawCentred(Canvas& canvas, int cx, int y, std::string_view text, Colour c) const;

private:
    FT_Face face_ = nullptr;
};

}  // namespace pictures
