#include "playlist/TypeAhead.h"

#include "files/TypeKey.h"

namespace vr {
namespace {

int FirstMatchAfter(std::size_t rowCount, int focused, const std::function<bool(std::size_t)>& matches) {
    std::size_t row = focused < 0 ? 0 : static_cast<std::size_t>(focused) + 1;
    for (std::size_t tried = 0; tried < rowCount; ++tried, ++row) {
        if (row >= rowCount) row = 0;
        if (matches(row)) return static_cast<int>(row);
    }
    return -1;
}

}  // namespace

int RowForTypedCharacter(std::size_t rowCount, int focused,
                         const std::function<std::string_view(std::size_t)>& rowText,
                         const std::function<bool(std::string_view)>& startsWithTyped) {
    const int byName = FirstMatchAfter(rowCount, focused,
                                       [&](std::size_t row) { return startsWithTyped(FileNamePart(rowText(row))); });
    if (byName >= 0) return byName;
    return FirstMatchAfter(rowCount, focused, [&](std::size_t row) { return startsWithTyped(rowText(row)); });
}

}  // namespace vr
