#pragma once
// "/c" or no switch: the player is Veilrunner.scr's settings.
namespace vr {

// Brings a running player's bar to the front, or starts Veilrunner.exe from this folder.
void OpenPlayer();

}  // namespace vr
