#pragma once
// A window's system menu, opened and chosen from as a user does.
#include <windows.h>

namespace e2e {

// By the keyboard: the window brought to the front, Alt+Space opens its menu on the first item,
// and `upPresses` times Up goes round from there (once reaches the last item), then Return.
// Throws when the window does not come to the front or no menu opens.
void ChooseSystemMenuItemByKeyboard(HWND window, int upPresses);

}  // namespace e2e
