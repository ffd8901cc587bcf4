#pragma once
// The player bar's tooltips: help for the controls whose captions are symbols or pictures.
#include <array>

#include "player/PlayerBarIds.h"

namespace vr {

struct ControlTip {
    int id;
    const wchar_t* text;
};

inline constexpr std::array<ControlTip, 6> kPlayerBarTips{{
    {PlayerBarId::Button3, L"Moves the player window 5 pixels to the left"},
    {PlayerBarId::Button4, L"Moves the player window 5 pixels up"},
    {PlayerBarId::Button5, L"Moves the player window 5 pixels down"},
    {PlayerBarId::Button2, L"Moves the player window 5 pixels to the right"},
    {PlayerBarId::Image12,
     L"Click to visit the screensaver page and get buttons that move the player window :-)"},
    {PlayerBarId::ResolutionCombo, L"Size of the screensaver in the player window. Pick one to resize it!"},
}};

}  // namespace vr
