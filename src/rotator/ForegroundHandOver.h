#pragma once
// Who holds the foreground while Veilrunner.scr plays full screen. Keys go to the foreground
// window; if it were some other program's, a user typing to end the screensaver would type into
// the session behind it. So the foreground belongs to the rotator's backdrop or to the saver on
// screen, and is handed on as savers come and go.
//
// Windows lets a process take the foreground only when it holds it already, was allowed to by the
// one that holds it, or nobody holds it. The rotator holds it from its start, allows each saver
// before the saver runs, and takes it back for the backdrop when it went elsewhere (a saver that
// held it ended); the saver on screen is then given it from the backdrop.
#include <optional>

#include "rotator/ScreenRotation.h"

namespace vr {

class ForegroundSystem {
public:
    enum class Holder { Backdrop, Saver, Else };

    virtual ~ForegroundSystem() = default;
    virtual Holder Foreground() = 0;
    // Lets the saver's process take the foreground; false when the rotator may not grant it.
    virtual bool Allow(SaverId saver) = 0;
    virtual bool TakeForBackdrop() = 0;
    // Gives the foreground to the saver's window on screen.
    virtual bool GiveTo(SaverId saver) = 0;
};

class ForegroundHandOver {
public:
    explicit ForegroundHandOver(ForegroundSystem& system) : system_(system) {}

    // Before the saver's first thread runs, so its first window may come up in front.
    void BeforeResume(SaverId saver) { system_.Allow(saver); }
    // Called often, with the saver on screen (none while the backdrop covers alone).
    void Look(std::optional<SaverId> onScreen);

private:
    ForegroundSystem& system_;
    std::optional<SaverId> given_;  // each saver is given it once: one may refuse activation
};

}  // namespace vr
