#pragma once
// How a screensaver reads the switch it was started with. Window-free, so it stays plain text
// handling that the savers' end-to-end runs exercise with every spelling the system uses.
#include <cstdint>
#include <string_view>

namespace kit {

enum class Mode { Preview, FullScreen, Configure, Unsupported };

struct SaverCommand {
    Mode mode = Mode::Configure;
    std::uintptr_t window = 0;  // "/p <hwnd>" or "/c:<hwnd>"; 0 when none was given
};

// The part of a full command line after the program path, which may be quoted.
std::wstring_view ArgumentsAfterProgram(std::wstring_view commandLine);

// Reads "/s", "/p 123", "/p:123", "-P123", "/c", "/c:456" and so on, letters in any case.
// No switch at all means the settings, as it does for the system's own screensavers.
SaverCommand ParseSaverArguments(std::wstring_view arguments);

const wchar_t* ModeName(Mode mode);

}  // namespace kit
