#include "hosting/SaverProcess_win.h"

#include <windows.h>

#include <vector>

namespace vr {
namespace {

// CreateProcessA may write into the command line, so it gets a private copy.
bool Start(const std::string& commandLine, DWORD flags, STARTUPINFOA& startup, PROCESS_INFORMATION& info) {
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    return CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr,
                          &startup, &info) != FALSE;
}

}  // namespace

void StartSaverDetached(const std::string& commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (Start(commandLine, CREATE_NEW_PROCESS_GROUP | NORMAL_PRIORITY_CLASS, startup, info)) {
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
}

void RunSaverAndWait(const std::string& commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION info{};
    if (!Start(commandLine, NORMAL_PRIORITY_CLASS, startup, info)) return;
    CloseHandle(info.hThread);
    WaitForSingleObject(info.hProcess, INFINITE);
    CloseHandle(info.hProcess);
}

}  // namespace vr
