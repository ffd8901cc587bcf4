#pragma once
// The one window a saver draws in: a child filling the host's pane in preview, a topmost popup
// over the whole desktop in full screen. It records why it ended.
#include <windows.h>

#include <optional>

#include "BackBuffer.h"
#include "Saver.h"

namespace kit {

class SaverWindow {
public:
    SaverWindow(Saver& saver, Mode mode) : saver_(saver), mode_(mode) {}
    SaverWindow(const SaverWindow&) = delete;
    SaverWindow& operator=(const SaverWindow&) = delete;
    ~SaverWindow();

    // `parent` is the host's pane in preview and ignored in full screen.
    bool Create(HINSTANCE instance, HWND parent);
    HWND Handle() const { return window_; }
    // Set when the window itself decided to end; empty when something else ended the loop.
    std::optional<EndReason> EndedBy() const { return endedBy_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnFrameTimer();
    void OnPaint();
    void OnMouseMove(LPARAM lParam);
    void End(EndReason reason);
    bool FullScreen() const { return mode_ == Mode::FullScreen; }

    Saver& saver_;
    Mode mode_;
    HWND window_ = nullptr;
    HWND parent_ = nullptr;
    BackBuffer buffer_;
    SIZE size_{};
    std::optional<POINT> firstMouse_;
    std::optional<EndReason> endedBy_;
};

}  // namespace kit
