#include "Process.h"

#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "Text.h"

namespace e2e {
namespace {

constexpr DWORD kEndWithinMs = 10000;

void TerminateAndWait(HANDLE process) {
    if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process, 1);
        WaitForSingleObject(process, kEndWithinMs);
    }
}

std::wstring ImagePath(DWORD id) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
    if (!process) return {};
    std::wstring path(32768, L'\0');
    DWORD size = static_cast<DWORD>(path.size());
    if (!QueryFullProcessImageNameW(process, 0, path.data(), &size)) size = 0;
    CloseHandle(process);
    path.resize(size);
    return path;
}

std::wstring Lower(std::wstring text) {
    CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

}  // namespace

Process::Process(Process&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), id_(std::exchange(other.id_, 0)) {}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        Kill();
        handle_ = std::exchange(other.handle_, nullptr);
        id_ = std::exchange(other.id_, 0);
    }
    return *this;
}

Process::~Process() { Kill(); }

bool Process::Running() const { return handle_ && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT; }

std::optional<DWORD> Process::WaitForExit(std::chrono::milliseconds deadline) const {
    if (!handle_ || WaitForSingleObject(handle_, static_cast<DWORD>(deadline.count())) != WAIT_OBJECT_0)
        return {};
    DWORD code = 0;
    GetExitCodeProcess(handle_, &code);
    return code;
}

void Process::Kill() {
    if (!handle_) return;
    TerminateAndWait(handle_);
    CloseHandle(handle_);
    handle_ = nullptr;
}

Process StartProcess(const std::wstring& commandLine, const std::wstring& folder) {
    std::wstring line = commandLine;  // CreateProcessW may write into its command line
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    // Wine 8 now and then answers a start with ERROR_INTERNAL_ERROR while the machine is busy; the
    // same start a moment later succeeds. Any other refusal is the scenario's to report.
    constexpr int kTries = 5;
    for (int tries = 1;; ++tries) {
        if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           folder.empty() ? nullptr : folder.c_str(), &startup, &info))
            break;
        const DWORD error = GetLastError();
        if (error != ERROR_INTERNAL_ERROR || tries == kTries)
            throw std::runtime_error("cannot start " + ToUtf8(commandLine) + " (error " +
                                     std::to_string(error) + ")");
        Sleep(200);
        line = commandLine;
    }
    CloseHandle(info.hThread);
    return Process(info.hProcess, info.dwProcessId);
}

std::vector<ProcessInfo> ListProcesses() {
    std::vector<ProcessInfo> list;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return list;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        list.push_back({entry.th32ProcessID, entry.th32ParentProcessID, entry.szExeFile,
                        ImagePath(entry.th32ProcessID)});
    CloseHandle(snapshot);
    return list;
}

std::vector<ProcessInfo> ProcessesRunningFrom(const std::wstring& folder) {
    std::wstring prefix = Lower(folder);
    if (!prefix.empty() && prefix.back() != L'\\') prefix += L'\\';
    std::vector<ProcessInfo> found;
    for (ProcessInfo& p : ListProcesses())
        if (Lower(p.imagePath).starts_with(prefix)) found.push_back(std::move(p));
    return found;
}

std::vector<DWORD> ProcessDescendants(const std::vector<DWORD>& parents) {
    const std::vector<ProcessInfo> all = ListProcesses();
    std::vector<DWORD> found;
    std::vector<DWORD> frontier = parents;
    while (!frontier.empty()) {
        const DWORD parent = frontier.back();
        frontier.pop_back();
        for (const ProcessInfo& p : all) {
            if (p.parentId != parent || p.id == parent) continue;
            if (std::find(found.begin(), found.end(), p.id) != found.end()) continue;
            found.push_back(p.id);
            frontier.push_back(p.id);
        }
    }
    return found;
}

bool ProcessRunning(DWORD id) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, id);
    if (!process) return false;
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
}

std::map<std::wstring, std::size_t> LoadedLibraries(HANDLE process) {
    std::vector<HMODULE> modules(512);
    DWORD bytes = 0;
    std::map<std::wstring, std::size_t> libraries;
    if (!EnumProcessModulesEx(process, modules.data(), static_cast<DWORD>(modules.size() * sizeof(HMODULE)),
                              &bytes, LIST_MODULES_ALL))
        return libraries;
    modules.resize(std::min<std::size_t>(bytes / sizeof(HMODULE), modules.size()));
    for (HMODULE module : modules) {
        wchar_t name[MAX_PATH]{};
        MODULEINFO info{};
        if (!GetModuleBaseNameW(process, module, name, MAX_PATH)) continue;
        GetModuleInformation(process, module, &info, sizeof info);
        CharUpperW(name);
        libraries[name] = info.SizeOfImage;
    }
    return libraries;
}

bool KillProcess(DWORD id) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
    if (!process) return false;
    TerminateAndWait(process);
    CloseHandle(process);
    return true;
}

}  // namespace e2e
