#pragma once
// Windows of the player that a screensaver left disabled. Any process can disable them, and a
// settings dialog modal to one of them leaves it disabled when the saver dies under it.

namespace vr {

// Enables every window of this thread that is disabled, unless a dialog of the player's own
// (a message box, a file dialog) is open over it and holds it so.
void EnableFreedWindows();

}  // namespace vr
