#include "platform/Application_win.h"

#include <commctrl.h>

#include "files/AppError.h"

namespace vr {
namespace {

HWND g_appWindow = nullptr;
HWND g_mainWindow = nullptr;
bool g_quitSeen = false;

LRESULT CALLBACK AppWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ACTIVATE:
        // Clicking the taskbar button activates this invisible window: hand focus to the bar.
        if (LOWORD(wParam) != WA_INACTIVE && g_mainWindow && IsWindowVisible(g_mainWindow))
            SetActiveWindow(g_mainWindow);
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            if (g_mainWindow) PostMessageA(g_mainWindow, WM_CLOSE, 0, 0);
            return 0;
        }
        break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

bool IsDialogKeyFor(MSG& msg) {
    HWND active = GetActiveWindow();
    return active && IsDialogMessageA(active, &msg);
}

}  // namespace

void Application::Initialize() {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = AppWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hIcon = LoadIconA(wc.hInstance, MAKEINTRESOURCEA(1));
    wc.lpszClassName = "TApplication";
    RegisterClassExA(&wc);
    // Visible but of zero size: it shows nothing except the taskbar button.
    g_appWindow = CreateWindowExA(0, wc.lpszClassName, kTitle,
                                  WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0,
                                  nullptr, nullptr, wc.hInstance, nullptr);
    if (!g_appWindow) throw AppError("Cannot create the application window");
    ShowWindow(g_appWindow, SW_SHOWNOACTIVATE);
}

HWND Application::Handle() { return g_appWindow; }

void Application::SetMainWindow(HWND hwnd) { g_mainWindow = hwnd; }

int Application::Run() {
    MSG msg;
    while (!g_quitSeen && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogKeyFor(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

void Application::ProcessMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Keep the quit for the main loop: it must still end the program.
            g_quitSeen = true;
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (IsDialogKeyFor(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace vr
