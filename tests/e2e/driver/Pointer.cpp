#include "Pointer.h"

#include <stdexcept>

#include "Process.h"
#include "Text.h"

namespace e2e {

void Xdotool(const std::wstring& arguments) {
    std::wstring line = L"C:\\windows\\system32\\start.exe /wait /unix /usr/bin/xdotool " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &info))
        throw std::runtime_error("cannot start xdotool (error " + std::to_string(GetLastError()) + ")");
    Process process(info.hProcess, info.dwProcessId);
    CloseHandle(info.hThread);
    const auto exitCode = process.WaitForExit();
    if (!exitCode || *exitCode != 0) throw std::runtime_error("xdotool " + ToUtf8(arguments) + " failed");
}

namespace {

std::wstring MoveOnScreen(HWND window, POINT point) {
    ClientToScreen(window, &point);
    return L"mousemove " + std::to_wstring(point.x) + L" " + std::to_wstring(point.y);
}

}  // namespace

void ClickInClient(HWND window, POINT point) { Xdotool(MoveOnScreen(window, point) + L" click 1"); }
void PressInClient(HWND window, POINT point) { Xdotool(MoveOnScreen(window, point) + L" mousedown 1"); }
void MoveInClient(HWND window, POINT point) { Xdotool(MoveOnScreen(window, point)); }
void ReleaseInClient(HWND window, POINT point) { Xdotool(MoveOnScreen(window, point) + L" mouseup 1"); }

}  // namespace e2e
