#pragma once
// A child window that holds controls: a tab sheet or a panel. Tab moves into its controls (it
// is a control parent), and the notifications of controls it does not handle itself go on to
// its parent, so a panel's button reaches the window's own dispatcher.
#include "platform/Window_win.h"

namespace vr {

class ControlHost : public Window {
public:
    // Creates it at the place (within the parent's client area) with the id a driver finds it by.
    void CreateChild(HWND parent, const char* className, int id, RECT place, bool visible);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace vr
