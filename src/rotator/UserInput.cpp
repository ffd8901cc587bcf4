#include "rotator/UserInput.h"

#include <cstdlib>

namespace vr {

bool HandMoved(int dx, int dy) {
    constexpr int kSlack = 4;
    return std::abs(dx) > kSlack || std::abs(dy) > kSlack;
}

bool UserInput::IsUsers(const InputEvent& event, bool saversRun) {
    if (event.injected && saversRun) return false;
    if (event.kind != InputEvent::Kind::Move) return true;
    const bool jump = std::abs(event.dx) > kJump || std::abs(event.dy) > kJump;
    if (!placed_ || jump) {
        placed_ = true;
        return false;
    }
    movedX_ += event.dx;
    movedY_ += event.dy;
    return HandMoved(movedX_, movedY_);
}

}  // namespace vr
