#include "playlist/TypeAhead.h"

namespace vr {

int RowForTypedCharacter(std::size_t rowCount, int focused,
                         const std::function<bool(std::size_t)>& startsWithTyped) {
    if (rowCount == 0) return -1;
    std::size_t row = focused < 0 ? 0 : static_cast<std::size_t>(focused) + 1;
    for (std::size_t tried = 0; tried < rowCount; ++tried, ++row) {
        if (row >= rowCount) row = 0;
        if (startsWithTyped(row)) return static_cast<int>(row);
    }
    return -1;
}

}  // namespace vr
