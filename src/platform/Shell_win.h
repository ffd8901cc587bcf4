#pragma once
// The program's own place, the system's folders and the shell's links.
#include <windows.h>

#include <string>
#include <vector>

namespace vr {

// Full path of Veilrunner.exe.
std::string ExecutablePath();
// The folder of Veilrunner.exe, ending in a backslash: settings and the saved playlist live here.
std::string ProgramFolder();
// GetWindowsDirectoryA and GetSystemDirectoryA; empty when the path does not fit.
std::string WindowsFolder();
std::string SystemFolder();
// The system folder, then on 64-bit Windows the 32-bit one (GetSystemWow64Directory), where
// 32-bit installers put their screensavers.
std::vector<std::string> SystemFolders();

// Path of a shell folder (a CSIDL_* id); empty when it cannot be resolved. Without the shell's
// allocator, says so in a message box owned by owner.
std::string GetSpecialFolder(HWND owner, int csidl);
// Writes a shell link. False when the link object or its file interface cannot be had; true once
// the save was asked for, whatever it gave. COM must be initialised on the calling thread.
bool CreateShortcut(const std::string& target, const std::string& linkFile, const std::string& description,
                    const std::string& arguments, const std::string& iconFile, int iconIndex);

}  // namespace vr
