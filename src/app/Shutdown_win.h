#pragma once
namespace vr {
// Ends every other running process of the program, then the caller exits. Ending its own process
// in the middle of the walk would leave the instances listed after it running.
void KillOtherInstances(const char* exeName);
}  // namespace vr
