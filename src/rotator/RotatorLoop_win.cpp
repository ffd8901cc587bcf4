#include "rotator/RotatorLoop_win.h"

#include <windows.h>

namespace vr {

void RunLooking(unsigned everyMs, const std::function<bool()>& look, HANDLE wakeUp) {
    ULONGLONG nextLook = GetTickCount64();
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        if (now >= nextLook || (wakeUp && WaitForSingleObject(wakeUp, 0) == WAIT_OBJECT_0)) {
            if (!look()) return;
            nextLook = now + everyMs;
        }
        const ULONGLONG later = GetTickCount64();
        const DWORD wait = nextLook > later ? static_cast<DWORD>(nextLook - later) : 0;
        MsgWaitForMultipleObjects(wakeUp ? 1 : 0, &wakeUp, FALSE, wait, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) return;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

}  // namespace vr
