#include "rotator/InputHooks_win.h"

#include "rotator/UserInput.h"

namespace vr {
namespace {

// The hooks' procedures take no context: the one watch of the process, on its own thread.
struct Watching {
    UserInput rule;
    HANDLE back = nullptr;
    const std::atomic<bool>* saversRun = nullptr;
};
Watching* g_watching = nullptr;

void Seen(const InputEvent& event) {
    if (g_watching->rule.IsUsers(event, *g_watching->saversRun)) SetEvent(g_watching->back);
}

LRESULT CALLBACK KeyboardHook(int code, WPARAM message, LPARAM lParam) {
    if (code == HC_ACTION && (message == WM_KEYDOWN || message == WM_SYSKEYDOWN)) {
        const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        Seen({InputEvent::Kind::Key, (key.flags & LLKHF_INJECTED) != 0});
    }
    return CallNextHookEx(nullptr, code, message, lParam);
}

LRESULT CALLBACK MouseHook(int code, WPARAM message, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto& mouse = *reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        const bool injected = (mouse.flags & LLMHF_INJECTED) != 0;
        switch (message) {
        case WM_MOUSEMOVE: {
            // The hook comes before the pointer moves: the cursor is still where it stood.
            POINT before{};
            GetCursorPos(&before);
            Seen({InputEvent::Kind::Move, injected, mouse.pt.x - before.x, mouse.pt.y - before.y});
            break;
        }
        case WM_MOUSEWHEEL:
        case WM_MOUSEHWHEEL: Seen({InputEvent::Kind::Wheel, injected}); break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_XBUTTONDOWN: Seen({InputEvent::Kind::Button, injected}); break;
        }
    }
    return CallNextHookEx(nullptr, code, message, lParam);
}

}  // namespace

UserInputHooks::UserInputHooks() : back_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    thread_ = OwnedHandle(CreateThread(nullptr, 0, &Watch, this, 0, &threadId_));
    // Ahead of the savers drawing at full speed: the system drops a hook that answers late.
    if (thread_) SetThreadPriority(thread_.Get(), THREAD_PRIORITY_HIGHEST);
}

UserInputHooks::~UserInputHooks() {
    if (!thread_) return;
    // The thread may not have its queue yet: the message is posted until it is taken.
    while (!PostThreadMessageW(threadId_, WM_QUIT, 0, 0) &&
           WaitForSingleObject(thread_.Get(), 1) == WAIT_TIMEOUT) {
    }
    WaitForSingleObject(thread_.Get(), INFINITE);
}

DWORD WINAPI UserInputHooks::Watch(void* param) {
    auto& self = *static_cast<UserInputHooks*>(param);
    Watching watching;
    watching.back = self.back_.Get();
    watching.saversRun = &self.saversRun_;
    g_watching = &watching;
    const HINSTANCE module = GetModuleHandleW(nullptr);
    HHOOK keyboard = SetWindowsHookExW(WH_KEYBOARD_LL, &KeyboardHook, module, 0);
    HHOOK mouse = SetWindowsHookExW(WH_MOUSE_LL, &MouseHook, module, 0);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    if (keyboard) UnhookWindowsHookEx(keyboard);
    if (mouse) UnhookWindowsHookEx(mouse);
    g_watching = nullptr;
    return 0;
}

}  // namespace vr
