#pragma once
// A system rectangle as the window-free geometry takes it.
#include <windows.h>

#include "docking/DockGeometry.h"

namespace vr {

inline DockRect ToDockRect(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

}  // namespace vr
