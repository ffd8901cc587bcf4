#pragma once
// The kinds of the misbehaving test saver (tests/savers/BadSaver.cpp), each with the line of its
// log that shows a run is up to its misbehaviour. A scenario copies one with
// Sandbox::CopyBadSaver, named after its kind.
#include "SaverLog.h"

namespace e2e::bad {

struct Kind {
    const wchar_t* misbehaviour;  // its "[saver] Misbehaviour=", also the name of its copy
    const char* playingKey;       // the log key that shows the misbehaviour; nullptr: the run's start
};

// Whose own process outlives the WM_QUIT that stops a preview: it carries on, never pumps it,
// has no window in the pane to receive it, or no window yet.
inline constexpr Kind kIgnoreQuit{L"ignore-quit", nullptr};
inline constexpr Kind kHang{L"hang", "hang"};
inline constexpr Kind kTopLevel{L"top-level", "top_level"};
inline constexpr Kind kSlow{L"slow", "delay_ms"};
// That end on the WM_QUIT or before it, but leave a process, a disabled owner or a crash behind,
// or (in a pane of a real size) play as usual.
inline constexpr Kind kSpawn{L"spawn", "child_pid"};
inline constexpr Kind kModal{L"modal", "message_box_owner"};
inline constexpr Kind kCrash{L"crash", "crash"};
inline constexpr Kind kDivide{L"divide", "divided"};
// That covers the pane's monitor with a top-level window of its own while it plays.
inline constexpr Kind kOwnFullScreen{L"own-full-screen", "own_full_screen"};

// That do to the player's own windows what any process can: take the pane or the host window
// into a window of their own and end with it, or disable the player's windows.
inline constexpr Kind kTakePane{L"take-pane", "taken"};
inline constexpr Kind kTakeHost{L"take-host", "taken"};
inline constexpr Kind kDisable{L"disable", "disabled"};
inline constexpr Kind kDisableSettings{L"disable-settings", nullptr};

// That fakes the user's hand in full screen: moves the pointer and injects input.
inline constexpr Kind kFakeUser{L"fake-user", "faked"};

inline constexpr Kind kAllKinds[] = {kIgnoreQuit, kHang,   kTopLevel, kSlow,     kSpawn,   kModal,
                                     kCrash,      kDivide, kTakePane, kTakeHost, kDisable, kDisableSettings};

inline bool Misbehaving(const SaverRun& run, const Kind& kind) {
    return kind.playingKey ? run.Logged(kind.playingKey) : run.Started();
}

}  // namespace e2e::bad
