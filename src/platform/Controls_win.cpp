#include "platform/Controls_win.h"

#include <map>

#include "platform/Dpi_win.h"
#include "platform/DpiScale.h"
#include "platform/Unicode_win.h"
#include "platform/WindowFont.h"

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
    if (!font) {
        const FontChoice choice = WindowFontAt(dpi);
        font = CreateFontW(choice.height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_DONTCARE, Wide(choice.face).c_str());
    }
    return font;
}

void Control::SetText(const std::string& text) const { SetWindowTextW(hwnd_, Wide(text).c_str()); }

std::string Control::Text() const {
    const int n = GetWindowTextLengthW(hwnd_);
    std::wstring s(static_cast<std::size_t>(n) + 1, L'\0');
    s.resize(static_cast<std::size_t>(GetWindowTextW(hwnd_, s.data(), n + 1)));
    return Utf8(s);
}

void ComboBox::Add(const std::string& s) const {
    SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(s).c_str()));
}

void ComboBox::Insert(int index, const std::string& s) const {
    SendMessageW(hwnd_, CB_INSERTSTRING, index, reinterpret_cast<LPARAM>(Wide(s).c_str()));
}

void ListBox::SetCount(std::size_t count) const {
    // On Windows LB_SETCOUNT drops the selection and scrolls back to the top (Wine's list keeps
    // both); a list that grows by a drop must keep what was selected and what was in view.
    const int selected = Selected();
    const int top = TopIndex();
    SendMessageW(hwnd_, LB_SETCOUNT, count, 0);
    if (selected != LB_ERR && static_cast<std::size_t>(selected) < count) Select(selected);
    SendMessageW(hwnd_, LB_SETTOPINDEX, top, 0);
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
