#include "SystemMenu.h"

#include <stdexcept>

#include "Controls.h"
#include "Wait.h"
#include "WindowTree.h"

namespace e2e {

void ChooseSystemMenuItemByKeyboard(HWND window, int upPresses) {
    SetForegroundWindow(window);
    if (!WaitUntil([&] { return GetForegroundWindow() == window; }))
        throw std::runtime_error("the window did not come to the front");
    PressKeys({VK_MENU, VK_SPACE});
    if (!WaitUntil([] { return IsShown(FindWindowW(L"#32768", nullptr)); }))
        throw std::runtime_error("no system menu");
    for (int up = 0; up < upPresses; ++up) PressKeys({VK_UP});
    PressKeys({VK_RETURN});
}

}  // namespace e2e
