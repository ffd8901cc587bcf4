#pragma once
// The small scenes on the tiles of the "Links" picture, one per product in tile order.
#include <cstddef>

#include "Canvas.h"

namespace pictures {

// Paints the scene for the product at this index of the product table.
Canvas Thumbnail(std::size_t product, int width, int height);

}  // namespace pictures
