#pragma once
// Control id of the host window's preview pane.
namespace vr::HostWindowId {
enum : int { p1 = 301 };
}  // namespace vr::HostWindowId
