#include "hosting/SaverProcess_win.h"

#include <windows.h>

#include <vector>

#include "platform/Handles_win.h"

namespace vr {
namespace {

// The saver's process, empty when it did not start; nothing here needs its main thread, whose
// handle is closed at once. CreateProcessA may write into the command line, so it gets a private
// copy.
OwnedHandle Start(const std::string& commandLine, DWORD flags, STARTUPINFOA& startup) {
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr, &startup, &info))
        return {};
    const OwnedHandle thread(info.hThread);
    return OwnedHandle(info.hProcess);
}

}  // namespace

void StartSaverDetached(const std::string& commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    // Nobody waits for a detached saver: its process handle is let go of at once.
    Start(commandLine, CREATE_NEW_PROCESS_GROUP | NORMAL_PRIORITY_CLASS, startup);
}

void RunSaverAndWait(const std::string& commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    const OwnedHandle process = Start(commandLine, NORMAL_PRIORITY_CLASS, startup);
    if (process) WaitForSingleObject(process.Get(), INFINITE);
}

}  // namespace vr
