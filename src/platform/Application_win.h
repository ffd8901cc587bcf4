#pragma once
// The hidden application window: owner of the four windows and carrier of the program's single
// taskbar button, as the window toolkit the program grew up with arranged it. Hiding it removes
// the button.
#include <windows.h>

namespace vr {

class Application {
public:
    static constexpr const char* kTitle = "Veilrunner";

    static void Initialize();
    static HWND Handle();
    // The first top-level window registered as main ends the program when it is destroyed.
    static void SetMainWindow(HWND hwnd);
    // Runs until the main window is gone; Tab and the dialog keys work in the active window.
    static int Run();
    // Handles every message waiting in the queue, then returns.
    static void ProcessMessages();
};

}  // namespace vr
