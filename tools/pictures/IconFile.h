#pragma once
// Writes a Windows icon file (.ico): 32-bit images with alpha for the small sizes, a PNG image for
// 256 x 256 (as Windows Vista and later read it), which keeps the file small.
#include <string>
#include <vector>

#include "Icons.h"

namespace pictures {

// Throws std::runtime_error when the file cannot be written.
void WriteIco(const std::vector<IconImage>& images, const std::string& path);

}  // namespace pictures
