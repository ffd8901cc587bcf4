#pragma once
// Smooth colour wheels for the savers' palettes.
#include <windows.h>

#include <cmath>

namespace demo {

// A fully saturated colour for a hue in [0, 1), scaled by brightness in [0, 1].
inline COLORREF Hue(float hue, float brightness = 1.0f) {
    constexpr float kTwoPi = 6.2831853f;
    const auto channel = [&](float offset) {
        const float wave = 0.5f + 0.5f * std::cos(kTwoPi * (hue - offset));
        return static_cast<BYTE>(255.0f * brightness * wave);
    };
    return RGB(channel(0.0f), channel(1.0f / 3.0f), channel(2.0f / 3.0f));
}

}  // namespace demo
