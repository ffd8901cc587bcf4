#pragma once
// What a screensaver built on the kit provides. The kit owns the window, the frame timer, the
// back buffer and the way each mode ends; a saver only animates and paints.
#include <windows.h>

#include <memory>

#include "SaverCommandLine.h"

namespace kit {

enum class EndReason {
    QuitMessage,  // WM_QUIT reached the message loop: how a host stops a preview
    Close,        // WM_CLOSE, or the settings were dismissed
    Destroyed,    // the window went away without being asked, e.g. with its parent
    Input,        // a key, a click or a real mouse movement in full screen
    Timeout,      // the saver's own full-screen time limit ran out
};

const wchar_t* EndReasonName(EndReason reason);

class Saver {
public:
    virtual ~Saver() = default;

    // The drawing surface has a new size (also called once before the first frame).
    virtual void Resize(int width, int height) = 0;
    // Advances the animation by one frame of the ~30 per second.
    virtual void Step() = 0;
    // Paints the current frame into the back buffer.
    virtual void Paint(HDC dc, int width, int height) = 0;

    // "/c": the settings. The default tells the user there are none.
    virtual void Configure(HWND owner);
    virtual const wchar_t* Title() const = 0;

    // Full-screen runs end on input; a saver may also end them after this many milliseconds.
    virtual unsigned FullScreenLimitMs() const { return 0; }

    // Observers of the saver's own life, for savers that report on it.
    virtual void Started(const SaverCommand&, HWND /*window*/) {}
    virtual void Ended(EndReason) {}
};

// Each screensaver program defines this; the kit's entry point calls it once.
std::unique_ptr<Saver> CreateSaver();

// Runs the saver in the mode the command line asks for; returns the process exit code.
int Run(Saver& saver, HINSTANCE instance, const wchar_t* commandLine);

}  // namespace kit
