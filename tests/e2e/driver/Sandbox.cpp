#include "Sandbox.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <iostream>
#include <stdexcept>

#include "Diagnostics.h"
#include "Files.h"
#include "Paths.h"
#include "Text.h"
#include "Wait.h"
#include "WindowTree.h"

namespace e2e {
namespace {

std::wstring NewFolder() {
    static std::atomic<unsigned> serial{0};
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temp);
    for (;;) {
        const std::wstring folder = std::wstring(temp) + L"vr-e2e-" + std::to_wstring(GetCurrentProcessId()) +
                                    L"-" + std::to_wstring(GetTickCount64()) + L"-" +
                                    std::to_wstring(serial++);
        if (CreateDirectoryW(folder.c_str(), nullptr)) return folder;
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            throw std::runtime_error("cannot create " + ToUtf8(folder));
    }
}

std::wstring FileName(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

}  // namespace

Sandbox::Sandbox() : folder_(NewFolder()) {}

Sandbox::~Sandbox() {
    const bool failed = ::testing::Test::HasFailure();
    if (failed) ReportProcesses();
    // Screensavers the program started are processes we hold no handles of: find them while
    // their parents still run, then end parents first so no new ones appear.
    std::vector<DWORD> running;
    for (const Process& p : processes_)
        if (p.Running()) running.push_back(p.Id());
    const std::vector<DWORD> spawned = ProcessDescendants(running);
    processes_.clear();  // each Process ends itself
    for (DWORD id : spawned) KillProcess(id);
    // A few rounds catch any that a dying program started from the folder at the last moment.
    WaitUntil([&] {
        const auto left = ProcessesRunningFrom(folder_);
        for (const ProcessInfo& p : left) KillProcess(p.id);
        return left.empty();
    });
    if (failed) {
        std::cerr << "scenario files kept in " << ToUtf8(folder_) << "\n";
        return;
    }
    std::error_code ignored;
    WaitUntil(
        [&] { return std::filesystem::remove_all(folder_, ignored) != static_cast<std::uintmax_t>(-1); });
}

void Sandbox::ReportProcesses() const {
    std::vector<DWORD> ids;
    for (const Process& p : processes_)
        if (p.Running()) ids.push_back(p.Id());
    for (const ProcessInfo& p : ProcessesRunningFrom(folder_))
        if (std::find(ids.begin(), ids.end(), p.id) == ids.end()) ids.push_back(p.id);
    for (DWORD id : ids)
        std::cerr << "process " << id << " was still running, with\n" << DescribeWindowsOf(id);
}

std::wstring Sandbox::PathOf(std::wstring_view name) const { return folder_ + L"\\" + std::wstring(name); }

std::wstring Sandbox::CopyIn(const std::wstring& source, std::wstring_view name) {
    const std::wstring target = PathOf(name);
    if (!CopyFileW(source.c_str(), target.c_str(), FALSE))
        throw std::runtime_error("cannot copy " + ToUtf8(source) + " (error " +
                                 std::to_string(GetLastError()) + ")");
    return target;
}

std::wstring Sandbox::CopyProgram() {
    const std::wstring program = ProgramBinary();
    return CopyIn(program, FileName(program));
}

std::wstring Sandbox::CopyPlaylistSaver() {
    const std::wstring saver = PlaylistSaverBinary();
    return CopyIn(saver, FileName(saver));
}

std::wstring Sandbox::CopyLogSaver(std::wstring_view name, std::optional<unsigned> fullScreenMs) {
    if (fullScreenMs)
        WriteFileBytes(PathOf(std::wstring(name) + L".ini"),
                       "[saver]\r\nFullScreenMs=" + std::to_string(*fullScreenMs) + "\r\n");
    return CopyIn(LogSaverBinary(), std::wstring(name) + L".scr");
}

std::wstring Sandbox::CopyBadSaver(std::wstring_view name, std::wstring_view misbehaviour,
                                   std::optional<unsigned> delayMs) {
    constexpr unsigned kLimitMs = 600000;  // ten minutes; CTest gives a scenario 90 s
    std::string settings = "[saver]\r\nMisbehaviour=" + ToUtf8(misbehaviour) +
                           "\r\nLimitMs=" + std::to_string(kLimitMs) + "\r\n";
    if (delayMs) settings += "DelayMs=" + std::to_string(*delayMs) + "\r\n";
    WriteFileBytes(PathOf(std::wstring(name) + L".ini"), settings);
    return CopyIn(BadSaverBinary(), std::wstring(name) + L".scr");
}

std::wstring Sandbox::LogOf(std::wstring_view saverName) const {
    return PathOf(std::wstring(saverName) + L".log");
}

std::vector<SaverRun> Sandbox::SaverRuns(std::wstring_view saverName) const {
    return ReadSaverLog(LogOf(saverName));
}

Process& Sandbox::Start(const std::wstring& program, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    return StartCommandLine(commandLine);
}

Process& Sandbox::StartCommandLine(const std::wstring& commandLine) {
    processes_.push_back(StartProcess(commandLine, folder_));
    return processes_.back();
}

Process& Sandbox::StartProgram(const std::wstring& arguments) {
    const std::wstring copy = PathOf(FileName(ProgramBinary()));
    return Start(FileExists(copy) ? copy : CopyProgram(), arguments);
}

Process& Sandbox::StartFakeDesktop(POINT origin, DesktopLayout layout) {
    std::wstring arguments = std::to_wstring(origin.x) + L" " + std::to_wstring(origin.y);
    if (layout == DesktopLayout::IconViewInWorkerW) arguments += L" workerw";
    return Start(FakeDesktopBinary(), arguments);
}

HWND Sandbox::StartPreviewParent() {
    HWND progman = WaitForTopWindow(StartFakeDesktop().Id(), L"Progman");
    // The icon view is created after its parent: wait for it too.
    return progman ? WaitFor([&] { return FindWindowExW(progman, nullptr, L"SHELLDLL_DefView", nullptr); })
                   : nullptr;
}

}  // namespace e2e
