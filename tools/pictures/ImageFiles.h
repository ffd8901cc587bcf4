#pragma once
// Writers for the three pictures the program embeds. Each throws std::runtime_error when the file
// cannot be written.
#include <string>

#include "Canvas.h"

namespace pictures {

void WriteJpeg(const Canvas& canvas, const std::string& path, int quality);
// 24 bits per pixel, bottom-up, as a BITMAP resource takes it.
void WriteBmp24(const Canvas& canvas, const std::string& path);
// 4 bits per pixel with the 16-colour system palette; each pixel takes the nearest grey of
// black, dark grey, light grey and white, so the picture stays black and white.
void WriteBmp4Grey(const Canvas& canvas, const std::string& path);

}  // namespace pictures
