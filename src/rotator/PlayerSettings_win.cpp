#include "rotator/PlayerSettings_win.h"

#include <windows.h>

#include "hosting/SaverCommand.h"
#include "hosting/SaverProcess_win.h"
#include "platform/Shell_win.h"
#include "player/PlayerBarIds.h"

namespace vr {
namespace {

// A player in desktop wallpaper mode keeps its bar hidden: it is not the one to open.
BOOL CALLBACK FindShownBar(HWND window, LPARAM param) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, kPlayerBarClass) != 0 || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(param) = window;
    return FALSE;
}

}  // namespace

void OpenPlayer() {
    HWND bar = nullptr;
    EnumWindows(FindShownBar, reinterpret_cast<LPARAM>(&bar));
    if (bar) {
        if (IsIconic(bar)) ShowWindow(bar, SW_RESTORE);
        SetForegroundWindow(bar);
        return;
    }
    StartSaverDetached("\"" + ProgramFolder() + kPlayerFileName + "\"");
}

}  // namespace vr
