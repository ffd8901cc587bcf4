#pragma once
// What the scenarios of the player's custody of screensaver processes share: the misbehaving
// savers copied by their kind, the saver processes that run from a sandbox, and the bounds the
// player's custody is held to.
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "Player.h"

namespace custody {

using namespace std::chrono_literals;

// A stopped preview has 1000 ms to end before the player ends it; the other second covers the
// player's periodic check and Wine ending the processes on a busy machine.
inline constexpr std::chrono::milliseconds kStoppedPreviewEndsWithin = 2000ms;
// Closing the player ends its process: a bound that tells an end from a hang, not a speed.
inline constexpr std::chrono::milliseconds kPlayerEndsWithin = 10s;
// The saver processes go with the player (it ends them as it closes, and the system ends what is
// in its jobs when its process dies); this covers Wine ending them once the player is gone.
inline constexpr std::chrono::milliseconds kSaversGoneWithin = 3s;

// Copies the misbehaving saver of this kind into the sandbox as "<kind>.scr"; "slow" waits
// `slowDelayMs` before it makes its window (the saver's own 5 s when not given).
std::wstring CopySaver(e2e::Sandbox& sandbox, const e2e::bad::Kind& kind,
                       std::optional<unsigned> slowDelayMs = {});
// Waits until the first run of the kind's saver is up to its misbehaviour; returns it (empty and
// a failure when it never got there).
std::optional<e2e::SaverRun> WaitUntilPlaying(const e2e::Sandbox& sandbox, const e2e::bad::Kind& kind);

// The processes running from the sandbox's folder other than the player's.
std::vector<e2e::ProcessInfo> SaverProcesses(const e2e::Sandbox& sandbox, DWORD playerId);
// Waits up to kSaversGoneWithin for the folder to run nothing (the player included); returns
// what still runs.
std::vector<e2e::ProcessInfo> ProcessesLeft(const e2e::Sandbox& sandbox);
// "hang.scr (id 48, parent 32), ..." for failure messages.
std::string Describe(const std::vector<e2e::ProcessInfo>& processes);

// A handle on a running process the scenario did not start itself (the player, a saver), taken
// before it is asked to end: its end is seen even once Wine has given its id to a new process.
e2e::Process Hold(DWORD processId);
// True once the held player has ended, within kPlayerEndsWithin.
bool PlayerEnded(const e2e::Process& player);

}  // namespace custody
