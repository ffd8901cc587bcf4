#pragma once
// Short help for controls whose captions are symbols or say little: one standard tooltip control
// per window, shown while the pointer rests on a control and, under it, while the control has the
// keyboard focus.
#include <windows.h>

#include <vector>

namespace vr {

class Tooltips {
public:
    Tooltips() = default;
    Tooltips(const Tooltips&) = delete;
    Tooltips& operator=(const Tooltips&) = delete;
    ~Tooltips();

    // The tooltip control of `owner`, destroyed with it.
    void Create(HWND owner);
    void Add(HWND control, const wchar_t* text);

private:
    static void CALLBACK FocusMoved(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD);
    void ShowForFocus(HWND focus);

    HWND owner_ = nullptr;
    HWND tip_ = nullptr;
    std::vector<HWND> controls_;
    std::vector<const wchar_t*> texts_;
};

}  // namespace vr
