#pragma once
// A fresh folder for one scenario, with the programs it runs copied in. Destroying the sandbox
// ends every process the scenario started, every process those started (screensavers the
// program ran), and every process still running from the folder, then removes the folder.
// When the scenario failed it first prints the windows of those processes, and keeps the
// folder so its files can be read.
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Process.h"
#include "SaverLog.h"

namespace e2e {

// Where the stand-in desktop keeps its icon view: in "Progman", or, as Windows 10 and 11 before
// 24H2 do once a program has had the wallpaper drawn on a layer of its own, in a top-level
// "WorkerW" window behind an empty one.
enum class DesktopLayout { IconViewInProgman, IconViewInWorkerW };

class Sandbox {
public:
    Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;
    ~Sandbox();

    const std::wstring& Folder() const { return folder_; }
    std::wstring PathOf(std::wstring_view name) const;  // `name` inside the folder

    // Copies a file into the folder under `name`; returns the copy's path.
    std::wstring CopyIn(const std::wstring& source, std::wstring_view name);
    // Veilrunner.exe, under its own name.
    std::wstring CopyProgram();
    // Veilrunner.scr, under its own name.
    std::wstring CopyPlaylistSaver();
    // The logging test saver as "<name>.scr". A full-screen run of it ends by itself after
    // `fullScreenMs` (1000 ms when not given).
    std::wstring CopyLogSaver(std::wstring_view name, std::optional<unsigned> fullScreenMs = {});
    // The misbehaving test saver as "<name>.scr", doing `misbehaviour` ("crash", "ignore-quit",
    // "hang", "top-level", "slow", "spawn", "modal", "divide", "take-pane", "take-host", "disable");
    // "slow" waits `delayMs` (5 s when not
    // given) before it makes its window. Its own time limit is far beyond any scenario's length, so
    // a process the program should have ended is still there to be seen.
    std::wstring CopyBadSaver(std::wstring_view name, std::wstring_view misbehaviour,
                              std::optional<unsigned> delayMs = {});
    std::wstring LogOf(std::wstring_view saverName) const;  // "<name>.log" in the folder
    std::vector<SaverRun> SaverRuns(std::wstring_view saverName) const;

    // Starts the quoted `program` followed by `arguments`, in the folder. The sandbox owns it.
    Process& Start(const std::wstring& program, const std::wstring& arguments = {});
    // Starts a whole command line as given (program path quoted where needed), in the folder.
    Process& StartCommandLine(const std::wstring& commandLine);
    // Starts the copied Veilrunner.exe (copying it first when needed).
    Process& StartProgram(const std::wstring& arguments = {});
    // Starts the stand-in for the shell's desktop ("Progman" and a "SHELLDLL_DefView" icon view),
    // with its top-left corner at `origin` on the screen.
    Process& StartFakeDesktop(POINT origin = {0, 0}, DesktopLayout layout = DesktopLayout::IconViewInProgman);
    // Starts the stand-in desktop and waits for its icon view, a window of another process to
    // preview in; nullptr if it does not come.
    HWND StartPreviewParent();

private:
    void ReportProcesses() const;

    std::wstring folder_;
    std::deque<Process> processes_;  // a deque keeps references valid as processes are added
};

}  // namespace e2e
