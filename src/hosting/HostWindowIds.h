#pragma once
// The host window's native class, and the control id of its preview pane.
namespace vr {
// Other instances find embedded players by this class.
inline constexpr char kHostWindowClass[] = "TfrmSVDActive";
}  // namespace vr

namespace vr::HostWindowId {
enum : int { p1 = 301 };
}  // namespace vr::HostWindowId
