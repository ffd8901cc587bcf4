#pragma once
// The command line the system starts a screensaver with, as Veilrunner.scr reads it.
#include <cstdint>
#include <string_view>

namespace vr {

enum class SaverMode {
    FullScreen,  // "/s"
    Preview,     // "/p <window>": inside the window the system gives
    Settings,    // "/c", "/c:<window>" or nothing at all
    Nothing,     // "/a" (the old password change), no window for "/p", or a switch nobody uses
};

struct SaverArguments {
    SaverMode mode = SaverMode::Settings;
    std::uintptr_t window = 0;  // the window "/p" and "/c:" name; 0 when none was given
};

// The whole command line, program path first (quoted or not). Switches start with "/" or "-" in
// any case; the window follows after blanks or a colon, or at once ("/p 123", "/p:123", "/P123").
// An unquoted path with blanks does not hide the switch after it.
SaverArguments ClassifySaverArguments(std::string_view commandLine);

}  // namespace vr
