#pragma once
// Whether what the keyboard and the mouse report is the user coming back. The rotator sees every
// key and mouse event of the session, whichever window has the keyboard, and so must tell the
// user's hand from what a saver does: a saver may move the pointer or inject input itself.
namespace vr {

// Whether a move of the mouse by (dx, dy) pixels is the user's: a hand resting on the mouse moves
// it by a pixel or two, which is no wish to end.
bool HandMoved(int dx, int dy);

struct InputEvent {
    enum class Kind { Key, Button, Wheel, Move };
    Kind kind = Kind::Key;
    // Made by a program (SendInput and the like) rather than by a device.
    bool injected = false;
    // Move: the pointer's new position less where it stood before the event.
    int dx = 0;
    int dy = 0;
};

class UserInput {
public:
    // saversRun: a process the rotator started runs now. Injected input cannot be traced to its
    // maker, and any of those processes could have made it, so it counts only while none runs.
    // Moves add up from the pointer's place before each event, so a saver that sets the cursor
    // somewhere else makes the next small move of a resting hand no larger. The first move, and
    // one that jumps farther than a hand's report, only puts the pointer somewhere: a new window
    // under a still pointer is reported as a move to where it already stood (Wine reports it
    // from wherever it last thought the pointer was, and reports a program's SetCursorPos again
    // as a move of the device); a hand's moves come as many small steps.
    bool IsUsers(const InputEvent& event, bool saversRun);
    static constexpr int kJump = 100;

private:
    bool placed_ = false;
    int movedX_ = 0;
    int movedY_ = 0;
};

}  // namespace vr
