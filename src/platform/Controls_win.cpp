#include "platform/Controls_win.h"

#include <map>

#include "platform/Dpi_win.h"
#include "platform/DpiScale.h"
#include "platform/Unicode_win.h"

namespace vr {

void CreateControls(HWND parent, std::span<const ControlSpec> specs) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const int dpi = WindowDpi(parent);
    HFONT font = DefaultFont(dpi);
    for (const ControlSpec& c : specs) {
        HWND hwnd = CreateWindowExW(c.exStyle, Wide(c.className).c_str(), Wide(c.text).c_str(),
                                    WS_CHILD | c.style, ScaleForDpi(c.x, dpi), ScaleForDpi(c.y, dpi),
                                    ScaleForDpi(c.w, dpi), ScaleForDpi(c.h, dpi), parent,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance, nullptr);
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
}

HFONT DefaultFont(int dpi) {
    static std::map<int, HFONT> fonts;  // one per DPI met, as windows move between monitors
    HFONT& font = fonts[dpi];
    if (!font)
        font = CreateFontA(-ScaleForDpi(11, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");
    return font;
}

void Control::SetText(const std::string& text) const { SetWindowTextW(hwnd_, Wide(text).c_str()); }

std::string Control::Text() const {
    const int n = GetWindowTextLengthW(hwnd_);
    std::wstring s(static_cast<std::size_t>(n) + 1, L'\0');
    s.resize(static_cast<std::size_t>(GetWindowTextW(hwnd_, s.data(), n + 1)));
    return Utf8(s);
}

std::string ListBox::Item(int index) const {
    LRESULT n = SendMessageW(hwnd_, LB_GETTEXTLEN, index, 0);
    if (n == LB_ERR) return {};
    std::wstring s(static_cast<std::size_t>(n) + 1, L'\0');
    n = SendMessageW(hwnd_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(s.data()));
    s.resize(n == LB_ERR ? 0 : static_cast<std::size_t>(n));
    return Utf8(s);
}

void ListBox::Insert(int index, const std::string& s) const {
    SendMessageW(hwnd_, LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(Wide(s).c_str()));
}

void ComboBox::Add(const std::string& s) const {
    SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(s).c_str()));
}

void ComboBox::Insert(int index, const std::string& s) const {
    SendMessageW(hwnd_, CB_INSERTSTRING, index, reinterpret_cast<LPARAM>(Wide(s).c_str()));
}

// The strings go straight to the list box's own procedure, past any subclass of the control:
// comctl32 finds its subclasses through a window property, which Wine fetches from its server on
// every message, and that made each string cost ten times the list box's own work.
void ListBox::AddMany(const std::vector<std::string>& items, std::size_t first) const {
    if (first >= items.size()) return;
    std::size_t bytes = 0;
    for (std::size_t i = first; i < items.size(); ++i) bytes += (items[i].size() + 1) * sizeof(wchar_t);
    const auto listBoxProc = reinterpret_cast<WNDPROC>(GetClassLongPtrW(hwnd_, GCLP_WNDPROC));
    SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd_, LB_INITSTORAGE, items.size() - first, bytes);
    std::wstring item;
    for (std::size_t i = first; i < items.size(); ++i) {
        WideInto(item, items[i]);
        CallWindowProcW(listBoxProc, hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void EventTimer::Arm(unsigned ms) {
    SetTimer(owner_, id_, ms, nullptr);  // replaces a running countdown
    countingSince_ = GetTickCount64() - (interval_ - ms);
    shortened_ = ms != interval_;
}

void EventTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    left_ = interval_;
    if (held_) return;
    if (enabled)
        Arm(interval_);
    else
        KillTimer(owner_, id_);
}

void EventTimer::SetInterval(unsigned intervalMs) {
    if (intervalMs == interval_) return;
    interval_ = intervalMs;
    left_ = interval_;
    if (enabled_ && !held_) Arm(interval_);
}

void EventTimer::Hold() {
    if (held_) return;
    held_ = true;
    if (!enabled_) return;
    const ULONGLONG elapsed = GetTickCount64() - countingSince_;
    left_ = elapsed >= interval_ ? 1 : static_cast<unsigned>(interval_ - elapsed);
    KillTimer(owner_, id_);
}

void EventTimer::Resume() {
    if (!held_) return;
    held_ = false;
    if (enabled_) Arm(left_);
}

void EventTimer::Ticked() {
    countingSince_ = GetTickCount64();
    if (shortened_) Arm(interval_);
}

}  // namespace vr
