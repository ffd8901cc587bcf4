// Veilrunner.scr: the player's playlist as the system screensaver. The system starts it with the
// screensaver switches; it reads the player's files beside itself and never writes them.
#include <windows.h>

#include "platform/FileSystem_win.h"
#include "platform/Shell_win.h"
#include "platform/Unicode_win.h"
#include "platform/Window_win.h"
#include "rotator/EveryMonitor_win.h"
#include "rotator/FullScreenRun_win.h"
#include "rotator/PlayerSettings_win.h"
#include "rotator/PreviewRun_win.h"
#include "rotator/SaverArguments.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace vr;
    const SaverArguments arguments = ClassifySaverArguments(Utf8(GetCommandLineW()));
    Guarded([&] {
        switch (arguments.mode) {
        case SaverMode::FullScreen: {
            const RotatorPlan plan = ReadRotatorPlan(WinFileSystem(), ProgramFolder());
            if (PlaysOnEveryMonitor(plan)) {
                RunOnEveryMonitor(plan);
            } else {
                RunFullScreen(plan);
            }
            break;
        }
        case SaverMode::Preview: {
            const HWND pane = reinterpret_cast<HWND>(arguments.window);
            if (IsWindow(pane)) RunPreviews(ReadRotatorPlan(WinFileSystem(), ProgramFolder()), pane);
            break;
        }
        case SaverMode::Settings: OpenPlayer(); break;
        case SaverMode::Nothing: break;
        }
    });
    return 0;
}
