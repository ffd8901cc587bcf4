#pragma once
// Where a typed character moves the selection in a list, as in the standard list box: to the
// first row after the one with the focus whose text starts with the character, going round past
// the end and coming back to the focused row last.
#include <cstddef>
#include <functional>

namespace vr {

// startsWithTyped(row) says whether that row's text starts with the typed character (the caller
// knows how the system folds case). focused may be -1 (no row has the focus). -1 when no row
// starts with it.
int RowForTypedCharacter(std::size_t rowCount, int focused,
                         const std::function<bool(std::size_t)>& startsWithTyped);

}  // namespace vr
