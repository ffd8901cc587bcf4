#pragma once
// Where the build put the programs the scenarios run, as paths Windows (or Wine) understands.
#include <string>
#include <string_view>

namespace e2e {

std::wstring ProgramBinary();                          // Veilrunner.exe
std::wstring PlaylistSaverBinary();                    // Veilrunner.scr
std::wstring LogSaverBinary();                         // the logging test screensaver
std::wstring BadSaverBinary();                         // the misbehaving test screensaver
std::wstring DemoSaverBinary(std::wstring_view name);  // e.g. L"Starfield"
std::wstring FakeDesktopBinary();                      // stands in for the shell's desktop
std::wstring InstallerBinary();  // Veilrunner-<version>-setup.exe; empty when NSIS was not found
std::wstring PortableZip();     // Veilrunner-<version>-portable.zip
std::wstring BuiltVersion();     // the version the build gave every file, e.g. L"3.0.0"

// "/work/x/y" becomes "Z:\work\x\y" (Wine maps Z: to the root); Windows paths keep their drive.
std::wstring ToWindowsPath(std::string_view buildPath);

}  // namespace e2e
