#include "platform/Tooltips_win.h"

#include <commctrl.h>

#include <algorithm>

namespace vr {
namespace {

// The tool that follows the keyboard focus; the pointer's tools are the controls themselves.
constexpr UINT_PTR kFocusTool = 1;

std::vector<Tooltips*>& Registered() {
    static std::vector<Tooltips*> all;
    return all;
}

// Focus changes of the program's own thread, from whatever moved the focus: Tab, a click, a
// window activated again.
class FocusHook {
public:
    explicit FocusHook(WINEVENTPROC proc)
        : hook_(SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, proc, GetCurrentProcessId(),
                                GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT)) {}
    ~FocusHook() {
        if (hook_) UnhookWinEvent(hook_);
    }
    FocusHook(const FocusHook&) = delete;
    FocusHook& operator=(const FocusHook&) = delete;

private:
    HWINEVENTHOOK hook_;
};

TTTOOLINFOW Tool(HWND owner, UINT_PTR id, UINT flags, const wchar_t* text) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = flags;
    tool.hwnd = owner;
    tool.uId = id;
    tool.lpszText = const_cast<wchar_t*>(text);
    return tool;
}

}  // namespace

Tooltips::~Tooltips() { std::erase(Registered(), this); }

void Tooltips::Create(HWND owner) {
    static FocusHook hook(&Tooltips::FocusMoved);
    owner_ = owner;
    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
    if (!tip_) return;  // help that cannot be had is no reason to stop the program
    TTTOOLINFOW focusTool = Tool(owner, kFocusTool, TTF_TRACK | TTF_ABSOLUTE, L"");
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&focusTool));
    Registered().push_back(this);
}

void Tooltips::Add(HWND control, const wchar_t* text) {
    if (!tip_) return;
    TTTOOLINFOW tool = Tool(owner_, reinterpret_cast<UINT_PTR>(control), TTF_IDISHWND | TTF_SUBCLASS, text);
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    controls_.push_back(control);
    texts_.push_back(text);
}

void CALLBACK Tooltips::FocusMoved(HWINEVENTHOOK, DWORD, HWND focus, LONG object, LONG, DWORD, DWORD) {
    if (object != OBJID_CLIENT) return;
    for (Tooltips* tips : Registered()) tips->ShowForFocus(focus);
}

// The tip of the focused control shows just under it; any other focus takes it away.
void Tooltips::ShowForFocus(HWND focus) {
    TTTOOLINFOW tool = Tool(owner_, kFocusTool, TTF_TRACK | TTF_ABSOLUTE, L"");
    const auto at = std::find(controls_.begin(), controls_.end(), focus);
    if (at == controls_.end()) {
        SendMessageW(tip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
        return;
    }
    tool.lpszText = const_cast<wchar_t*>(texts_[static_cast<std::size_t>(at - controls_.begin())]);
    SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    RECT r{};
    GetWindowRect(focus, &r);
    SendMessageW(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM(r.left, r.bottom + 2));
    SendMessageW(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace vr
