#include <gtest/gtest.h>

#include "rotator/SaverArguments.h"

namespace vr {
namespace {

TEST(ClassifySaverArguments, ReadsEverySpellingTheSystemAndThePlayerUse) {
    struct Case {
        const char* commandLine;
        SaverMode mode;
        std::uintptr_t window;
    };
    const Case cases[] = {
        {"\"C:\\Program Files\\V\\Veilrunner.scr\" /s", SaverMode::FullScreen, 0},
        {"C:\\PROGRA~1\\V\\VEILRU~1.SCR /S", SaverMode::FullScreen, 0},
        {"Veilrunner.scr -s ", SaverMode::FullScreen, 0},
        {"Veilrunner.scr /p 1234", SaverMode::Preview, 1234},
        {"Veilrunner.scr /P:1234", SaverMode::Preview, 1234},
        {"Veilrunner.scr -p1234", SaverMode::Preview, 1234},
        {"Veilrunner.scr /p \t 18446744073709551615", SaverMode::Preview, UINTPTR_MAX},
        {"Veilrunner.scr /c", SaverMode::Settings, 0},
        {"Veilrunner.scr /c:5678", SaverMode::Settings, 5678},
        {"Veilrunner.scr -C 5678", SaverMode::Settings, 5678},
        {"Veilrunner.scr", SaverMode::Settings, 0},
        {"\"C:\\a b\\Veilrunner.scr\"   ", SaverMode::Settings, 0},
        {"\"C:\\a b\\Veilrunner.scr\"/s", SaverMode::FullScreen, 0},
        // No window to preview in, or one that would be some other window.
        {"Veilrunner.scr /p", SaverMode::Nothing, 0},
        {"Veilrunner.scr /p 0", SaverMode::Nothing, 0},
        {"Veilrunner.scr /p 12x4", SaverMode::Nothing, 0},
        {"Veilrunner.scr /p -5", SaverMode::Nothing, 0},
        {"Veilrunner.scr /p 18446744073709551616", SaverMode::Nothing, 0},
        {"Veilrunner.scr /c:junk", SaverMode::Settings, 0},
        // The old password change, unknown switches and bare words do nothing.
        {"Veilrunner.scr /a 1234", SaverMode::Nothing, 0},
        {"Veilrunner.scr /x", SaverMode::Nothing, 0},
        {"Veilrunner.scr s", SaverMode::Nothing, 0},
        {"Veilrunner.scr /", SaverMode::Nothing, 0},
        {"\"C:\\unclosed /s", SaverMode::Settings, 0},
        // An unquoted long path with blanks: the switch is found from the end.
        {"C:\\Program Files\\My -s Savers\\Veilrunner.scr /s", SaverMode::FullScreen, 0},
        {"C:\\Program Files\\V -x\\Veilrunner.scr /p 42", SaverMode::Preview, 42},
        {"C:\\Program Files\\V -pad\\Veilrunner.scr -c:7", SaverMode::Settings, 7},
        {"C:\\Program Files\\V /p\\Veilrunner.scr", SaverMode::Nothing, 0},
        {"Veilrunner.scr /sx", SaverMode::Nothing, 0},
    };
    for (const Case& c : cases) {
        const SaverArguments arguments = ClassifySaverArguments(c.commandLine);
        EXPECT_EQ(arguments.mode, c.mode) << c.commandLine;
        EXPECT_EQ(arguments.window, c.window) << c.commandLine;
    }
}

}  // namespace
}  // namespace vr
