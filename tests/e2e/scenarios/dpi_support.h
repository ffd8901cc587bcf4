#pragma once
// What the scenarios at other display scales share: the DPI programs started under Wine take, and
// the playlist window's controls as its 96-DPI figures place them.
#include <windows.h>

#include <vector>

namespace dpi {

// Sets the DPI that programs started from now on take (Wine reads the user's LogPixels when a
// program starts), and puts back what was there.
class LogPixels {
public:
    explicit LogPixels(DWORD dpi);
    ~LogPixels();
    LogPixels(const LogPixels&) = delete;
    LogPixels& operator=(const LogPixels&) = delete;
    // Another DPI for the programs started from now on; the destructor still restores the first.
    void Set(DWORD dpi);

private:
    HKEY key_ = nullptr;
    DWORD previous_ = 0;
    bool hadValue_ = false;
};

// The control's rectangle in its parent's client coordinates.
RECT InClient(HWND window, int id);

// Every button, group, label and drop-down list below window shows its whole text at the DPI: its
// text extent in the windows' font fits the room the control gives it. A multi-line edit shows
// every line, the last one included.
void ExpectTextsWhole(HWND window, int dpi);

// The playlist window's controls that its first-start client area (327 x 431 at 96 DPI) shows:
// the list and the three groups on the left with their buttons.
std::vector<int> PlaylistControlsOfTheDefaultSize();

}  // namespace dpi
