// The hue of a colour in degrees (0 red, 120 green, 240 blue), for tests
// that check a shade keeps its colour's hue. Only for colours that have
// one: not for greys.
#pragma once

#include <algorithm>
#include <cmath>

#include "common/color.h"

namespace zenka::testing {

inline double Hue(Color c) {
    const double r = RedOf(c) / 255.0, g = GreenOf(c) / 255.0, b = BlueOf(c) / 255.0;
    const double high = std::max({r, g, b}), low = std::min({r, g, b}), span = high - low;
    double hue = high == r ? std::fmod((g - b) / span, 6.0) : high == g ? (b - r) / span + 2 : (r - g) / span + 4;
    hue *= 60;
    return hue < 0 ? hue + 360 : hue;
}

}  // namespace zenka::testing
