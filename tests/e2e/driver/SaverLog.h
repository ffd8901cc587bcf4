#pragma once
// What the logging test screensaver wrote about its runs: one SaverRun per started process,
// in the order they started.
#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "Wait.h"

namespace e2e {

struct SaverRun {
    DWORD processId = 0;
    std::wstring commandLine;    // as the saver's process received it
    std::wstring arguments;      // everything after the program path
    std::wstring mode;           // "preview", "fullscreen", "configure" or "unsupported"
    std::uintptr_t parent = 0;   // the window handle it was given, 0 for none
    std::uintptr_t window = 0;   // its own drawing window
    bool childOfParent = false;  // its window is a descendant of `parent`
    bool topmost = false;
    std::wstring size;            // its window's client size, "WxH"
    std::wstring parentSize;      // the parent's client size when it started, "WxH"
    std::uint64_t startedAt = 0;  // system tick count (ms) once everything above was written, else 0
    std::uint64_t endedAt = 0;    // system tick count (ms) when it ended, else 0
    std::wstring end;  // "quit message", "close", "destroyed", "input", "timeout"; empty while it runs
    // Every other key, with its last value: what the misbehaving saver logs about its misbehaviour
    // ("misbehaviour", "hang", "child_pid", "message_box_owner", "quit_ignored", ...).
    std::map<std::string, std::wstring> other;

    bool Started() const { return startedAt != 0; }
    bool Ended() const { return !end.empty(); }
    bool Logged(const std::string& key) const { return other.contains(key); }
    HWND Parent() const { return reinterpret_cast<HWND>(parent); }
    HWND Window() const { return reinterpret_cast<HWND>(window); }
};

std::vector<SaverRun> ReadSaverLog(const std::wstring& logPath);
// Waits until at least `count` runs have reported their start; returns all runs read last.
std::vector<SaverRun> WaitForSaverRuns(const std::wstring& logPath, std::size_t count,
                                       std::chrono::milliseconds deadline = kDeadline);
// Waits until at least `count` runs have ended; returns all runs read last.
std::vector<SaverRun> WaitForEndedSaverRuns(const std::wstring& logPath, std::size_t count,
                                            std::chrono::milliseconds deadline = kDeadline);

}  // namespace e2e
