// Entry point: the "shutdown" verb, or a normal run with the four windows created in their
// fixed order.
#include <windows.h>
#include <objbase.h>

#include "about/AboutWindow_win.h"
#include "app/CommandLine.h"
#include "app/Program_win.h"
#include "app/Shutdown_win.h"
#include "hosting/HostWindow_win.h"
#include "platform/Application_win.h"
#include "player/PlayerBar_win.h"
#include "playlist/PlaylistWindow_win.h"

namespace vr {

Program& TheProgram() {
    static Program program;
    return program;
}

namespace {

int NormalRun(bool wallpaperMode) {
    // Shell links and the folder browser need COM on this, the only, thread.
    CoInitialize(nullptr);
    Application::Initialize();
    Program& program = TheProgram();

    // The player bar is created first and is the main window. The mode must be settled after its
    // creation (which clears it) and before the host window decides whether to join the desktop.
    TfrmSVDOptions playerBar;
    playerBar.CreateHidden(Application::Handle());
    Application::SetMainWindow(playerBar.Handle());
    program.playerBar = &playerBar;
    if (wallpaperMode) playerBar.FWallpaperMode = true;

    TfrmSVDActive host;
    host.CreateHidden(Application::Handle(), playerBar.FWallpaperMode);
    program.host = &host;

    TfrmConfig about([&](bool visible) { playerBar.SetAboutButtonVisible(visible); });
    about.CreateHidden(Application::Handle());
    program.about = &about;

    TForm1 playlist;
    playlist.CreateHidden(Application::Handle());
    program.playlist = &playlist;

    // The start-up sequence works on all four windows, so the bar is shown only now.
    playerBar.ShowAndStart();
    Application::Run();

    program = Program{};
    return 0;
}

}  // namespace
}  // namespace vr

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace vr;
    const std::string argument = FirstArgument(GetCommandLineA());
    const RunKind kind = ClassifyFirstArgument(argument);
    if (kind == RunKind::Shutdown) {
        KillOtherInstances("Veilrunner.exe");
        return 0;
    }
    int code = 0;
    Guarded([&] { code = NormalRun(kind == RunKind::WallpaperMode); });
    return code;
}
