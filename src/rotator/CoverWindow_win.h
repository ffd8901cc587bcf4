#pragma once
// "/p": the rotator's own window inside the window the system gives. Previews play inside it, so
// the rotator tells only windows of its own previews to quit, never the given window's other
// children. Green, as the player's pane, where no preview draws.
#include <windows.h>

#include "platform/Window_win.h"

namespace vr {

inline constexpr char kGreenPaneClass[] = "VeilrunnerGreenPane";

class GreenPane final : public Window {
public:
    // A child filling `given`.
    void Create(HWND given);
    // The system's window may be sized after it gave its handle, and again later.
    void FollowSizeOf(HWND given);
};

}  // namespace vr
