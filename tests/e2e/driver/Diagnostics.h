#pragma once
// What a failed scenario prints about the programs it left running: their windows, so a
// message box or a missing window explains the failure without a screenshot.
#include <windows.h>

#include <string>

namespace e2e {

// Every top-level window of the process and its descendants: class, caption, shown, rectangle.
// Reads captions without sending messages, so a hung program cannot stall the report.
std::string DescribeWindowsOf(DWORD processId);

}  // namespace e2e
