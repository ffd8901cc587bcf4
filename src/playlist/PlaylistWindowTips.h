#pragma once
// The playlist window's tooltips: help for the buttons whose captions say little.
#include <array>

#include "player/PlayerBarTips.h"
#include "playlist/PlaylistWindowIds.h"

namespace vr {

inline constexpr std::array<ControlTip, 2> kPlaylistWindowTips{{
    {PlaylistWindowId::Button8, L"Adds every screensaver of your Windows folder and system folder"},
    {PlaylistWindowId::Button13,
     L"Starts this wallpaper playlist in desktop wallpaper mode each time you log on"},
}};

}  // namespace vr
