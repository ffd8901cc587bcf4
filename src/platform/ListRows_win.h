#pragma once
// Rows of an owner-drawn list box painted as the standard list box paints its strings, for a list
// whose strings live with the program instead of in the control.
#include <windows.h>

#include <string_view>

namespace vr {

// The styles of such a list: the control keeps only the number of rows, so filling it costs the
// same for a million rows as for ten.
inline constexpr DWORD kRowsFromProgram = LBS_NODATA | LBS_OWNERDRAWFIXED;

// Answers WM_DRAWITEM for one row with its text: the list's font and colours as the list set them
// up in the DC, the system's highlight colours when selected, the dotted focus frame.
void DrawListRow(const DRAWITEMSTRUCT& item, std::wstring_view text);

}  // namespace vr
