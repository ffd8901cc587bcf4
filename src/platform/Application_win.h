#pragma once
// The hidden application window: owner of the four windows, so they stay free to lie above or
// below one another, and the owner of the program's message boxes and shell requests. It is
// never shown: the taskbar button, with its thumbnail and its Alt+Tab tile, is the player bar's
// own, and the windows the application owns hide and return with the bar's minimising.
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
    // Hides the visible windows the application owns, as the system hides those of a minimised
    // owner (each is told SW_PARENTCLOSING), or shows again the ones hidden so (SW_PARENTOPENING).
    static void ShowOwnedWindows(bool show);
};

}  // namespace vr
