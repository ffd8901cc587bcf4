#pragma once
// The About window: the maker's other products, the credits, and links to the maker's pages.
// It is created hidden at start and lives for the whole run; closing it only hides it.
#include <functional>

#include "about/AboutSheet_win.h"
#include "about/ControlHost_win.h"
#include "about/LinksSheet_win.h"
#include "platform/Window_win.h"

namespace vr {

class TfrmConfig : public Window {
public:
    // The callback hides (false) and shows (true) the player bar's "About..." button.
    explicit TfrmConfig(std::function<void(bool visible)> setAboutButtonVisible);
    // Creates the native window hidden, owned by owner, with the "Links" tab selected.
    void CreateHidden(HWND owner);
    // Shows it centred on the monitor of the player's window, on top and in front, on the tab it
    // was closed on.
    void ShowAbout(HWND player);

private:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int id, int code);
    void OnNotify(const NMHDR& header);
    bool TakeKey(const MSG& msg) override;
    int DefaultButtonId() const;

    void FormShow();
    void FormClose();
    void PageControl1Change();
    void Button9Click();
    void OpenPage(const char* url);
    void CentreOnMonitorOf(HWND player);
    HWND PageControl1() const;

    std::function<void(bool visible)> setAboutButtonVisible_;
    LinksSheet t3_;
    AboutSheet t1_;
    ControlHost Panel1_;
};

}  // namespace vr
