#pragma once
// Processes the scenarios start, and the list of all processes the system runs.
#include <windows.h>

#include <chrono>
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Wait.h"

namespace e2e {

// A started process. The handle is kept for the process's whole life; destroying the object
// ends the process (if it still runs) and waits for it, so no scenario leaves one behind.
class Process {
public:
    Process(HANDLE handle, DWORD id) : handle_(handle), id_(id) {}
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    ~Process();

    DWORD Id() const { return id_; }
    HANDLE Handle() const { return handle_; }
    bool Running() const;
    // The exit code once the process has ended by itself within the deadline; empty otherwise.
    std::optional<DWORD> WaitForExit(std::chrono::milliseconds deadline = kDeadline) const;
    void Kill();

private:
    HANDLE handle_ = nullptr;
    DWORD id_ = 0;
};

// Starts `commandLine` (program path quoted by the caller where needed) in `folder`.
Process StartProcess(const std::wstring& commandLine, const std::wstring& folder = {});

struct ProcessInfo {
    DWORD id = 0;
    DWORD parentId = 0;
    std::wstring exeName;    // as the process snapshot gives it
    std::wstring imagePath;  // full path of the executable; empty when it cannot be asked
};

std::vector<ProcessInfo> ListProcesses();
// Processes whose executable lies in `folder` (case-insensitive path comparison).
std::vector<ProcessInfo> ProcessesRunningFrom(const std::wstring& folder);
// Every process started by one of `parents`, by their children, and so on. Ask while the
// parents still run: a dead process's id may be given to a new, unrelated one.
std::vector<DWORD> ProcessDescendants(const std::vector<DWORD>& parents);
bool ProcessRunning(DWORD id);
// The libraries the process has loaded, by name in capitals (the loader keeps the spelling of
// whoever asked first), with the size of each image in bytes. The handle needs
// PROCESS_QUERY_INFORMATION and PROCESS_VM_READ; empty when they cannot be listed.
std::map<std::wstring, std::size_t> LoadedLibraries(HANDLE process);
// Ends the process with this id and waits for it; false when it could not be opened.
bool KillProcess(DWORD id);

}  // namespace e2e
