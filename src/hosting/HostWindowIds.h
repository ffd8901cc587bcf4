#pragma once
// The host window's native class, and the control id of its preview pane.
namespace vr {
// Other instances find embedded players by this class.
inline constexpr char kHostWindowClass[] = "TfrmSVDActive";
// The pane's green (red 0, green 128, blue 0) as a COLORREF; Veilrunner.scr's preview shows it too.
inline constexpr unsigned long kPaneColour = 0x00008000;
}  // namespace vr

namespace vr::HostWindowId {
enum : int { p1 = 301 };
}  // namespace vr::HostWindowId
