#include "platform/AnsweringWait_win.h"

namespace vr {
namespace {

int g_waits = 0;

// Delivers the messages other threads sent (any peek does) and paints what needs it; leaves every
// other message in the queue.
void PaintAndAnswer() {
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    while (PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageW(&msg);
}

}  // namespace

void WaitAnswering(HANDLE object) {
    ++g_waits;
    // The timeout peeks now and then even when nothing arrives, as a responsive program does.
    for (;;) {
        const DWORD woken = MsgWaitForMultipleObjects(1, &object, FALSE, 200, QS_SENDMESSAGE | QS_PAINT);
        if (woken == WAIT_OBJECT_0) break;
        if (woken == WAIT_FAILED) {
            WaitForSingleObject(object, INFINITE);
            break;
        }
        PaintAndAnswer();
    }
    --g_waits;
}

bool InAnsweringWait() { return g_waits > 0; }

}  // namespace vr
