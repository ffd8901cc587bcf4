#pragma once
// Controls as data, and thin value wrappers with one SendMessage per method.
#include <windows.h>
#include <commctrl.h>

#include <span>
#include <string>
#include <vector>

namespace vr {

struct ControlSpec {
    int id;
    const char* className;
    const char* text;
    int x, y, w, h;
    DWORD style;  // WS_CHILD is added
    DWORD exStyle = 0;
};

// Creates the controls in table order (which is also the Tab order), in the default font, with
// the table's 96-DPI places and sizes scaled to the parent's DPI.
void CreateControls(HWND parent, std::span<const ControlSpec> specs);
// The font of every window (platform/WindowFont.h) at a DPI; one per DPI, created once, lives with
// the process.
HFONT DefaultFont(int dpi);

// A multi-line edit claims every key, Tab, Enter and Esc included, so read-only text traps the
// keyboard. Its WM_GETDLGCODE answer passed through this leaves those keys to the window, where
// they move the focus or press its buttons as from any other control; arrows still scroll it.
inline LRESULT WithoutDialogKeys(LRESULT dlgCode) { return dlgCode & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB); }

class Control {
public:
    Control() = default;
    explicit Control(HWND hwnd) : hwnd_(hwnd) {}
    Control(HWND parent, int id) : hwnd_(GetDlgItem(parent, id)) {}
    HWND Handle() const { return hwnd_; }
    void Show(bool visible) const { ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE); }
    bool Visible() const { return IsWindowVisible(hwnd_) != FALSE; }
    void Enable(bool enabled) const { EnableWindow(hwnd_, enabled); }
    void SetText(const std::string& text) const;
    std::string Text() const;
    void Focus() const { SetFocus(hwnd_); }

protected:
    HWND hwnd_ = nullptr;
};

class ListBox : public Control {
public:
    using Control::Control;
    int Count() const { return static_cast<int>(SendMessageW(hwnd_, LB_GETCOUNT, 0, 0)); }
    int Selected() const { return static_cast<int>(SendMessageW(hwnd_, LB_GETCURSEL, 0, 0)); }
    void Select(int index) const { SendMessageW(hwnd_, LB_SETCURSEL, index, 0); }
    // For a list that draws rows the program holds (LBS_NODATA): the number of rows, set at once
    // however many, keeping the selected row and the scroll position; and one more row at index.
    void SetCount(std::size_t count) const;
    void InsertRow(int index) const { SendMessageW(hwnd_, LB_INSERTSTRING, index, 0); }
    void Remove(int index) const { SendMessageW(hwnd_, LB_DELETESTRING, index, 0); }
    void Clear() const { SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0); }
    int Caret() const { return static_cast<int>(SendMessageW(hwnd_, LB_GETCARETINDEX, 0, 0)); }
    // LB_ITEMFROMPOINT's answer: the item's index in the low word (its low 16 bits only), and
    // in the high word 0 when the point lies on that item.
    DWORD ItemFromPoint(POINT client) const {
        return static_cast<DWORD>(SendMessageA(hwnd_, LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y)));
    }
    int TopIndex() const { return static_cast<int>(SendMessageA(hwnd_, LB_GETTOPINDEX, 0, 0)); }
};

class ComboBox : public Control {
public:
    using Control::Control;
    int Selected() const { return static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0)); }
    void Select(int index) const { SendMessageW(hwnd_, CB_SETCURSEL, index, 0); }
    void Add(const std::string& s) const;
    void Insert(int index, const std::string& s) const;
    void Remove(int index) const { SendMessageW(hwnd_, CB_DELETESTRING, index, 0); }
    int Count() const { return static_cast<int>(SendMessageW(hwnd_, CB_GETCOUNT, 0, 0)); }
    void SetVisibleRows(int rows) const { SendMessageW(hwnd_, CB_SETMINVISIBLE, rows, 0); }
};

class Button : public Control {
public:
    using Control::Control;
    bool Checked() const { return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void SetChecked(bool on) const { SendMessageW(hwnd_, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); }
};

// An event-loop timer that behaves like a toolkit timer component: enabling a running timer does
// not restart it; a new interval restarts a running countdown, the same interval leaves it alone.
class EventTimer {
public:
    EventTimer(HWND owner, UINT_PTR id, unsigned intervalMs)
        : owner_(owner), id_(id), interval_(intervalMs) {}
    ~EventTimer() { SetEnabled(false); }
    EventTimer(const EventTimer&) = delete;
    EventTimer& operator=(const EventTimer&) = delete;
    UINT_PTR Id() const { return id_; }
    bool Enabled() const { return enabled_; }
    unsigned Interval() const { return interval_; }
    void SetEnabled(bool enabled);
    void SetInterval(unsigned intervalMs);
    // Holds the countdown where it stands; Resume goes on with the time that was left, after
    // which the timer keeps its interval again. An enabled timer counts as enabled while held.
    void Hold();
    void Resume();
    // To be called from the owner's WM_TIMER for this timer.
    void Ticked();

private:
    void Arm(unsigned ms);

    HWND owner_;
    UINT_PTR id_;
    unsigned interval_;
    bool enabled_ = false;
    bool held_ = false;
    bool shortened_ = false;  // armed with what was left after a hold
    ULONGLONG countingSince_ = 0;
    unsigned left_ = 0;  // while held
};

}  // namespace vr
