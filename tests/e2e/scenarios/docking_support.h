#pragma once
// What the docking scenarios share: a player started with its three windows where a scenario
// wants them, moving a window the way any program may ask it to move, and dragging a caption
// with the X display's real pointer so that the system's own move loop runs.
#include <windows.h>

#include <ostream>

#include "Driver.h"

namespace docking {

// Outer places and client sizes written into "config.cfg" before the start. The defaults keep
// every window more than the snap distance away from the others and from the screen's edges.
struct StartLayout {
    POINT host{400, 320};
    SIZE hostClient{160, 120};
    POINT bar{100, 100};
    POINT playlist{620, 100};
    SIZE playlistClient{250, 200};
};

struct PlayerHandles {
    HWND bar = nullptr;
    HWND host = nullptr;
    HWND playlist = nullptr;
};

// Writes "config.cfg" (playlist window shown, help text hidden, interval "Change manually") and
// a "myList.spls" of one logging saver, starts the player and waits until its host and playlist windows are
// shown.
PlayerHandles StartPlayer(e2e::Sandbox& sandbox, const StartLayout& layout = {});

// Asks the window to put its top-left corner at (left, top), as SetWindowPos from any program
// does; returns once the window has handled the request.
void MoveWindowTo(HWND window, int left, int top);

// A window's top-left corner on the screen, comparable and printable in expectations.
struct Place {
    long x = 0;
    long y = 0;
    bool operator==(const Place&) const = default;
};
inline void PrintTo(const Place& p, std::ostream* out) { *out << "(" << p.x << ", " << p.y << ")"; }
inline Place Shifted(Place p, long dx, long dy) { return {p.x + dx, p.y + dy}; }

Place TopLeft(HWND window);
SIZE OuterSize(HWND window);
SIZE ScreenSize();

// Presses the left button in the middle of the window's caption, moves the pointer by (dx, dy)
// in `steps` equal steps and releases it. Waits for the move loop to start, for the window to
// reach each step's place, and for the loop to end. The place the window reaches is judged by
// its own snapping, so a step may not end where the pointer went; `expectExact` is false then.
void DragCaption(HWND window, int dx, int dy, int steps = 4, bool expectExact = true);

}  // namespace docking
