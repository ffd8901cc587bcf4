#pragma once
// What shows when the playlist has nothing to play: a screensaver must still cover the screen,
// and the system's preview still shows the player's green pane.
#include <windows.h>

namespace vr {

inline constexpr char kBlackScreenClass[] = "VeilrunnerBlackScreen";
inline constexpr char kGreenPaneClass[] = "VeilrunnerGreenPane";

// A black window over every monitor that ends, like any screensaver, on a key, a click or a
// real move of the mouse. Returns once it has ended.
void CoverScreenUntilInput();
// A green window filling `pane`, until the pane is gone.
void FillPaneUntilGone(HWND pane);

}  // namespace vr
