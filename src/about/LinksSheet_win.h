#pragma once
// The "Links" tab: the picture of the maker's other products, each tile a link to its page.
#include <functional>

#include "about/ControlHost_win.h"
#include "platform/Handles_win.h"

namespace vr {

class LinksSheet : public ControlHost {
public:
    explicit LinksSheet(std::function<void(const char* url)> openPage) : openPage_(std::move(openPage)) {}
    void Create(HWND parent, RECT place);
    // Decodes the picture and shows it, unless it already is: called before the sheet can first be
    // seen, so a player whose About window is never opened never holds it (over a megabyte while
    // decoding).
    void ShowPicture();
    // An arrow key pressed on a tile (`control`, which has the keyboard) moves the keyboard to
    // the next tile that way, round the ends: Left and Right along the tiles, Up and Down to the
    // other row. False for other keys and controls.
    bool MoveAmongTiles(HWND control, UINT key);

private:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void DpiChanged(int dpi) override;
    bool OnSetCursor(HWND over);
    void OnCommand(int id, int code);
    void OnDrawItem(const DRAWITEMSTRUCT& item);

    std::function<void(const char* url)> openPage_;
    OwnedBitmap picture_;
};

}  // namespace vr
