#pragma once
// Starting screensaver programs. The player keeps no handle of a started saver: the only link
// to a preview is the pane's window handle.
#include <string>

namespace vr {

// Preview and settings runs: a new process group at normal priority, not waited for. A failed
// start is ignored.
void StartSaverDetached(const std::string& commandLine);
// The full-screen run: a normal window requested, waited for without a time limit.
void RunSaverAndWait(const std::string& commandLine);

}  // namespace vr
