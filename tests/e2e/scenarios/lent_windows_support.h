#pragma once
// What the scenarios of the windows the player lends to screensavers share: after a saver (or
// another process) did its worst to them, the player must be back in working order.
#include <windows.h>

#include <string>

#include "Player.h"

namespace lent {

// The host window's place as "config.cfg" keeps it: outer left and top, client width and height.
struct HostPlace {
    POINT position{};
    SIZE client{};
};

HostPlace PlaceOf(HWND host);

// Looks the player's windows up again: the host window and its pane may have been made anew.
player::Windows Refound(const player::Windows& w);

// The player in working order: a host window with its pane at `place`, every window of the
// player answering and enabled, and selecting entry `entry` plays `saver` (its run number
// `run`) in the pane. Returns the windows as they are now.
player::Windows ExpectWorking(e2e::Sandbox& sandbox, const player::Windows& w, const HostPlace& place,
                              int entry, const std::wstring& saver, std::size_t run);

// Closes the player as the user does and checks "config.cfg" keeps the host's place, and that
// no process is left running from the sandbox.
void ExpectClosedKeeping(e2e::Sandbox& sandbox, const player::Windows& w, const HostPlace& place);

}  // namespace lent
