#pragma once
// The host window: its whole client area is the green preview pane p1, whose handle every
// preview is started with. It decides when a preview starts and stops the old ones.
#include <memory>
#include <string>
#include <vector>

#include "platform/Controls_win.h"
#include "platform/Window_win.h"

namespace vr {

class TfrmSVDActive : public Window {
public:
    // Creates the native window; in desktop wallpaper mode it becomes part of the desktop.
    void CreateHidden(HWND owner, bool wallpaperMode);

    HWND Pane() const { return p1_; }
    // Posts WM_QUIT to every window inside the pane, then handles the waiting messages.
    void StopPreviews();
    // Starts a preview after the timer's delay; enabling a pending start changes nothing.
    void RequestPreviewStart() { Timer1().SetEnabled(true); }
    void SetClientWidth(int width);
    void SetClientHeight(int height);
    void Nudge(int dx, int dy);
    bool IsMaximized() const { return IsZoomed(Handle()) != FALSE; }

private:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    EventTimer& Timer1() { return *timer1_; }
    void PostQuitToPreviews();
    void Timer1Timer();
    void FormResize();
    void FormClose();
    void OnDrop(const std::vector<std::string>& paths);

    HWND p1_ = nullptr;
    std::unique_ptr<EventTimer> timer1_;
    SIZE lastClientSize_{-1, -1};
};

}  // namespace vr
