#pragma once
// The "About" tab: the credits on a white card, the author link, the logo and "Donate...".
#include <functional>

#include "about/ControlHost_win.h"
#include "platform/Handles_win.h"

namespace vr {

class AboutSheet : public ControlHost {
public:
    explicit AboutSheet(std::function<void(const char* url)> openPage) : openPage_(std::move(openPage)) {}
    void Create(HWND parent, RECT place);

private:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void DpiChanged(int dpi) override;
    void FitMemoToItsLines();
    void PlaceLinkOnAuthorLine();
    void OnPaint();
    void OnCommand(int id, int code);
    HBRUSH OnStaticColour(HDC dc, HWND control);
    void OnDrawLink(const DRAWITEMSTRUCT& item);
    bool OnSetCursor(HWND over);

    void StaticText5Click();  // the author link StaticText1 and the logo Image10 share it
    void Button1Click();

    std::function<void(const char* url)> openPage_;
    OwnedBitmap logo_;
    OwnedFont linkFont_;
    OwnedBrush white_;
    OwnedBrush border_;
    WindowSubclass memoSubclass_;
};

}  // namespace vr
