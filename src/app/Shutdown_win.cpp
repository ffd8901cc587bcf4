#include "app/Shutdown_win.h"

#include <windows.h>
#include <tlhelp32.h>

#include "app/CommandLine.h"
#include "platform/Handles_win.h"

namespace vr {
namespace {

// Process enumeration is looked up at run time: where kernel32 lacks it, nothing is ended.
struct ToolHelp {
    using Snapshot = HANDLE(WINAPI*)(DWORD, DWORD);
    using Walk = BOOL(WINAPI*)(HANDLE, LPPROCESSENTRY32);
    Snapshot snapshot = nullptr;
    Walk first = nullptr;
    Walk next = nullptr;

    ToolHelp() {
        HMODULE kernel = GetModuleHandleA("kernel32.dll");
        if (!kernel) return;
        snapshot = reinterpret_cast<Snapshot>(
            reinterpret_cast<void*>(GetProcAddress(kernel, "CreateToolhelp32Snapshot")));
        first = reinterpret_cast<Walk>(reinterpret_cast<void*>(GetProcAddress(kernel, "Process32First")));
        next = reinterpret_cast<Walk>(reinterpret_cast<void*>(GetProcAddress(kernel, "Process32Next")));
    }
    bool Available() const { return snapshot && first && next; }
};

void Terminate(DWORD processId) {
    const OwnedHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, processId));
    if (process) TerminateProcess(process.Get(), 0);
}

}  // namespace

void KillOtherInstances(const char* exeName) {
    ToolHelp tools;
    if (!tools.Available()) return;
    const OwnedHandle snapshot(tools.snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return;
    const DWORD self = GetCurrentProcessId();
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = tools.first(snapshot.Get(), &entry); more; more = tools.next(snapshot.Get(), &entry)) {
        if (entry.th32ProcessID != self && ProcessNameMatches(entry.szExeFile, exeName))
            Terminate(entry.th32ProcessID);
    }
}

}  // namespace vr
