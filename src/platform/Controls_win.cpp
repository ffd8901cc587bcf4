#include "platform/Controls_win.h"

namespace vr {

void CreateControls(HWND parent, std::span<const ControlSpec> specs, HFONT font) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (const ControlSpec& c : specs) {
        HWND hwnd = CreateWindowExA(c.exStyle, c.className, c.text, WS_CHILD | c.style, c.x, c.y,
                                    c.w, c.h, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
                                    instance, nullptr);
        SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
}

HFONT DefaultFont() {
    static HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");
    return font;
}

std::string Control::Text() const {
    int n = GetWindowTextLengthA(hwnd_);
    std::string s(static_cast<std::size_t>(n) + 1, '\0');
    s.resize(static_cast<std::size_t>(GetWindowTextA(hwnd_, s.data(), n + 1)));
    return s;
}

std::string ListBox::Item(int index) const {
    LRESULT n = SendMessageA(hwnd_, LB_GETTEXTLEN, index, 0);
    if (n == LB_ERR) return {};
    std::string s(static_cast<std::size_t>(n) + 1, '\0');
    n = SendMessageA(hwnd_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(s.data()));
    s.resize(n == LB_ERR ? 0 : static_cast<std::size_t>(n));
    return s;
}

void ListBox::AddMany(const std::vector<std::string>& items, std::size_t first) const {
    if (first >= items.size()) return;
    std::size_t bytes = 0;
    for (std::size_t i = first; i < items.size(); ++i) bytes += items[i].size() + 1;
    SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(hwnd_, LB_INITSTORAGE, items.size() - first, bytes);
    for (std::size_t i = first; i < items.size(); ++i)
        SendMessageA(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(items[i].c_str()));
    SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void EventTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (enabled)
        SetTimer(owner_, id_, interval_, nullptr);
    else
        KillTimer(owner_, id_);
}

void EventTimer::SetInterval(unsigned intervalMs) {
    if (intervalMs == interval_) return;
    interval_ = intervalMs;
    if (enabled_) SetTimer(owner_, id_, interval_, nullptr);  // replaces the countdown
}

}  // namespace vr
