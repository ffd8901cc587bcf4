#pragma once
// "Close" of the wallpaper group: ends every player embedded in the desktop, one at a time, with
// a pause after each so the closed instance can leave before the desktop is searched again.
#include <cstdint>
#include <vector>

namespace vr {

using EmbeddedWindowId = std::uintptr_t;

// The desktop and the "Close" button as the loop sees them.
class EmbeddedPlayerDesktop {
public:
    virtual ~EmbeddedPlayerDesktop() = default;
    // The embedded host windows of other instances, in the order the desktop lists them, looked
    // up afresh on every call.
    virtual std::vector<EmbeddedWindowId> EmbeddedHostWindows() = 0;
    virtual void SetCloseButtonEnabled(bool enabled) = 0;
    // Returns once the window has handled its close request, or has not answered it in time.
    virtual void RequestClose(EmbeddedWindowId window) = 0;
    virtual void ProcessWaitingMessages() = 0;
    virtual void PauseBetweenRounds() = 0;
};

// Closes the first listed window, pauses, and searches anew until none is left. Each window is
// asked once only: one that survives its close request (an instance that only hides its host
// window, say, or one that never answers) is passed over from then on, so it cannot keep the
// loop going for ever.
void CloseEmbeddedPlayers(EmbeddedPlayerDesktop& desktop);

}  // namespace vr
