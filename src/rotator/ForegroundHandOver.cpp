#include "rotator/ForegroundHandOver.h"

namespace vr {

void ForegroundHandOver::Look(std::optional<SaverId> onScreen) {
    using Holder = ForegroundSystem::Holder;
    Holder holder = system_.Foreground();
    if (holder == Holder::Else && system_.TakeForBackdrop()) holder = Holder::Backdrop;
    if (holder != Holder::Backdrop || !onScreen || given_ == onScreen) return;
    given_ = onScreen;
    system_.GiveTo(*onScreen);
}

}  // namespace vr
