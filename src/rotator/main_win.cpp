// Veilrunner.scr: the player's playlist as the system screensaver. The system starts it with the
// screensaver switches; it reads the player's files beside itself and never writes them.
#include <windows.h>

#include "platform/FileSystem_win.h"
#include "platform/Shell_win.h"
#include "platform/Unicode_win.h"
#include "platform/Window_win.h"
#include "rotator/EveryMonitor_win.h"
#include "rotator/FullScreenRun_win.h"
#include "rotator/Nesting_win.h"
#include "rotator/PlayerSettings_win.h"
#include "rotator/PreviewRun_win.h"
#include "rotator/SaverArguments.h"

namespace {

using namespace vr;

// Nothing it starts plays another rotation.
RotatorPlan PlanInCustody() {
    MarkEnvironmentForSavers();
    return ReadRotatorPlan(WinFileSystem(), ProgramFolder());
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const SaverArguments arguments = ClassifySaverArguments(Utf8(GetCommandLineW()));
    switch (arguments.mode) {
    case SaverMode::FullScreen:
        if (StartedUnderRotator()) break;
        // No message box: the system locks the session only once the screensaver has ended.
        GuardedQuietly("full screen", [] {
            if (PlaysOnEveryMonitor(OneSaverAcrossMonitorsChosen(WinFileSystem(), ProgramFolder()))) {
                RunOnEveryMonitor(PlanInCustody);
            } else {
                RunFullScreen(PlanInCustody);
            }
        });
        break;
    case SaverMode::Preview: {
        const HWND given = reinterpret_cast<HWND>(arguments.window);
        if (StartedUnderRotator() || !IsWindow(given)) break;
        GuardedQuietly("preview", [&] { RunPreviews(PlanInCustody(), given); });
        break;
    }
    case SaverMode::Settings: Guarded([] { OpenPlayer(); }); break;
    case SaverMode::Nothing: break;
    }
    return 0;
}
