#pragma once
// Where a typed character moves the selection in the playlist: to the first row after the one
// with the focus whose file name (the text after the last backslash or colon) starts with the
// character, going round past the end and coming back to the focused row last. Rows hold full
// paths, which would otherwise all start with the same drive letter; only where no file name
// starts with it is the full text tried, in the same order.
#include <cstddef>
#include <functional>
#include <string_view>

namespace vr {

// rowText(row) is that row's full text; startsWithTyped(text) says whether a text starts with
// the typed character (the caller knows how the system folds case). focused may be -1 (no row
// has the focus). -1 when no row matches.
int RowForTypedCharacter(std::size_t rowCount, int focused,
                         const std::function<std::string_view(std::size_t)>& rowText,
                         const std::function<bool(std::string_view)>& startsWithTyped);

}  // namespace vr
