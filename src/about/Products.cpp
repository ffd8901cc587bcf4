#include "about/Products.h"

namespace vr {

std::optional<std::size_t> ProductAt(int x, int y) {
    for (std::size_t i = 0; i < kProducts.size(); ++i)
        if (kProducts[i].place.Contains(x, y)) return i;
    return std::nullopt;
}

}  // namespace vr
