#include "platform/Application_win.h"

#include <commctrl.h>

#include "files/AppError.h"
#include "platform/DpiChange.h"
#include "platform/Unicode_win.h"
#include "platform/Window_win.h"

namespace vr {
namespace {

HWND g_appWindow = nullptr;
HWND g_mainWindow = nullptr;
bool g_quitSeen = false;

LRESULT CALLBACK AppWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ACTIVATE:
        // The system activates the owner when a message box it owns closes: hand focus to the bar.
        if (LOWORD(wParam) != WA_INACTIVE && g_mainWindow && IsWindowVisible(g_mainWindow))
            SetActiveWindow(g_mainWindow);
        return 0;
    case WM_CLOSE:
        // "End task" and taskkill ask every top-level window to close. Destroying this one would
        // take the owned windows with it unsaved; the bar closes the program as its own close does.
        if (g_mainWindow) PostMessageW(g_mainWindow, WM_CLOSE, 0, 0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// Sees every message taken from this thread's queue, in any loop (dialogs, menus, the move loop
// included): one the system only ever sends was posted by another process, with a pointer that
// may point anywhere, and goes unread.
LRESULT CALLBACK DropPostedSentOnly(int code, WPARAM removal, LPARAM message) {
    if (code == HC_ACTION) {
        MSG& taken = *reinterpret_cast<MSG*>(message);
        if (OnlySent(taken.message)) taken.message = WM_NULL;
    }
    return CallNextHookEx(nullptr, code, removal, message);
}

bool IsDialogKeyFor(MSG& msg) {
    HWND active = GetActiveWindow();
    return active && (Window::OfferKey(active, msg) || IsDialogMessageW(active, &msg));
}

}  // namespace

void Application::Initialize() {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    // For the program's life; it ends with the thread.
    SetWindowsHookExW(WH_GETMESSAGE, &DropPostedSentOnly, nullptr, GetCurrentThreadId());
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = AppWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(1));
    wc.lpszClassName = L"TApplication";
    RegisterClassExW(&wc);
    g_appWindow = CreateWindowExW(0, wc.lpszClassName, Wide(kTitle).c_str(), WS_POPUP, 0, 0, 0, 0, nullptr,
                                  nullptr, wc.hInstance, nullptr);
    if (!g_appWindow) throw AppError("Cannot create the application window");
}

HWND Application::Handle() { return g_appWindow; }

void Application::SetMainWindow(HWND hwnd) { g_mainWindow = hwnd; }

void Application::ShowOwnedWindows(bool show) { ShowOwnedPopups(g_appWindow, show); }

int Application::Run() {
    MSG msg;
    while (!g_quitSeen) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) break;
        // A message that cannot be received (another process sent a text too long to bring
        // across) is lost, not the end of the program.
        if (got == -1) continue;
        if (IsDialogKeyFor(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

void Application::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Keep the quit for the main loop: it must still end the program.
            g_quitSeen = true;
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (IsDialogKeyFor(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace vr
