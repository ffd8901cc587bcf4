#pragma once
// Control ids of the player bar; the end-to-end driver finds the controls by them.
namespace vr::PlayerBarId {
enum : int {
    Image12 = 101,
    TimeCombo,
    ResolutionCombo,
    Button7,  // "Playlist..."
    Button1,  // "About..."
    Button3,  // "<"
    Button4,  // "/\"
    Button5,  // "v"
    Button2,  // ">"
    label2,
};
}  // namespace vr::PlayerBarId
