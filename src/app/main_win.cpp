// Entry point: the "shutdown" verb, or a normal run of the program with its four windows.
#include <windows.h>

#include "app/CommandLine.h"
#include "app/Program_win.h"
#include "app/Shutdown_win.h"
#include "platform/Application_win.h"
#include "platform/Handles_win.h"
#include "platform/Unicode_win.h"

namespace vr {
namespace {

int NormalRun(bool wallpaperMode) {
    // Shell links, the folder browser and drops by OLE need COM on this, the only, thread.
    const ComApartment com;
    Application::Initialize();
    Program program(wallpaperMode);
    return program.Run();
}

}  // namespace
}  // namespace vr

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace vr;
    const std::string argument = FirstArgument(Utf8(GetCommandLineW()));
    const RunKind kind = ClassifyFirstArgument(argument);
    if (kind == RunKind::Shutdown) {
        KillOtherInstances("Veilrunner.exe");
        return 0;
    }
    int code = 0;
    Guarded([&] { code = NormalRun(kind == RunKind::WallpaperMode); });
    return code;
}
