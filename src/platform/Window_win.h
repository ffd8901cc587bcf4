#pragma once
// The one window wrapper shared by every window of the program: a single static window procedure
// routes messages to the object that owns the HWND, and no exception ever crosses it.
#include <windows.h>

#include <string>

namespace vr {

struct WindowClassSpec {
    const char* className;
    UINT classStyle = CS_DBLCLKS;
    HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    HCURSOR cursor = nullptr;  // arrow when null
};

struct WindowSpec {
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    const char* caption = "";
    int left = CW_USEDEFAULT;
    int top = CW_USEDEFAULT;
    // A top-level window's outer size, at 96 DPI: the window grows it to its own DPI.
    int width = CW_USEDEFAULT;
    int height = CW_USEDEFAULT;
    HWND parent = nullptr;  // owner of a top-level window, parent of a child
};

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return hwnd_; }
    bool Exists() const { return hwnd_ != nullptr; }
    // The program's own end of the window: its WM_DESTROY and WM_NCDESTROY are handled as they come.
    void Destroy();

    // Outer rectangle in screen pixels and client size.
    RECT WindowRect() const;
    SIZE ClientSize() const;
    void SetClientSize(int width, int height);
    // Left and top in the parent's client coordinates (the screen for a top-level window).
    POINT Position() const;
    void SetLeft(int left);
    void SetTop(int top);
    bool IsVisible() const;
    // The DPI the window is shown at, and a 96-DPI figure at that DPI.
    int Dpi() const;
    int Scaled(int figure) const;
    RECT Scaled(RECT figures) const;
    // The outer size this window has around a client area of this size at this DPI.
    SIZE OuterSizeFor(SIZE client, int dpi) const;

    // A key pressed in the active window, offered to it before the dialog manager takes it as a
    // move of the focus; true when the window used it.
    static bool OfferKey(HWND active, const MSG& msg);

protected:
    // Registers the class once and creates the native window; throws AppError on failure.
    void Create(const WindowClassSpec& cls, const WindowSpec& params);
    virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);
    // The window now shows at another DPI, its controls already placed and given the font for
    // it: what it made for the old DPI (pictures, row heights, fonts of its own) is made again.
    virtual void DpiChanged(int dpi) { (void)dpi; }
    // Whether the message being handled came straight from another thread, no handler of the
    // program's windows running beneath it: that thread's doing, not a step of the program's own.
    static bool SentFromOutside();
    // A WM_KEYDOWN for this window or one of its controls, before the dialog manager sees it.
    virtual bool TakeKey(const MSG& msg) {
        (void)msg;
        return false;
    }

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static void CALLBACK CheckEnds(HWND, UINT, UINT_PTR, DWORD);
    void SuspectEnd();
    void Ended();
    bool StillOurs() const;
    void KeepFocusOnActivation(WPARAM wParam);
    void MoveToDpi(int dpi, const RECT& suggested);
    HWND hwnd_ = nullptr;
    int dpi_ = 0;                     // the DPI the controls are laid out for
    bool placedAsSuggested_ = false;  // the system's place for a new DPI goes through unsnapped
    HWND lastFocus_ = nullptr;
    bool destroying_ = false;   // Destroy() is under way
    ULONGLONG endHeardAt_ = 0;  // when an end message came that Destroy() did not cause; 0: none
};

// The program's standard error box: caption "Veilrunner", error icon, OK, the error's text.
void ShowErrorBox(const std::string& text);
// The same box with the information icon, for a request that found nothing to do.
void ShowNoticeBox(const std::string& text);
// Runs fn and reports any exception it throws in the standard error box.
template <class Fn>
void Guarded(Fn&& fn);
// For work that must not be stopped by a message box (closing, moves inside other windows'
// handlers): runs fn, and an exception it throws goes to the debugger's output, prefixed by what.
template <class Fn>
void GuardedQuietly(const char* what, Fn&& fn);
void ReportToDebugger(const char* what, const char* error);

}  // namespace vr

#include "platform/Guarded_win.inl"
