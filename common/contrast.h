// How far apart two colours are to the eye: the relative luminance and the
// contrast ratio of the web's accessibility guidelines (1:1 for equal
// colours, 21:1 for black on white; text wants 4.5:1, the parts of a
// picture 3:1), and the shade of a colour that reaches a ratio on a ground.
// Header-only, so that the icon generator, built on its own, shares it.
#pragma once

#include <cmath>

#include "common/color.h"

namespace zenka {

inline double LinearChannel(uint8_t value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// 0 for black, 1 for white. The colour must be red, green and blue, not a
// system colour.
inline double RelativeLuminance(Color color) {
    return 0.2126 * LinearChannel(RedOf(color)) + 0.7152 * LinearChannel(GreenOf(color)) +
           0.0722 * LinearChannel(BlueOf(color));
}

inline double ContrastRatio(Color a, Color b) {
    const double la = RelativeLuminance(a) + 0.05;
    const double lb = RelativeLuminance(b) + 0.05;
    return la > lb ? la / lb : lb / la;
}

// The colour part of the way to another: 0 is from, 1 is to.
inline Color Mix(Color from, Color to, double part) {
    const auto channel = [part](uint8_t a, uint8_t b) {
        return static_cast<uint8_t>(std::lround(a + (b - a) * part));
    };
    return RgbColor(channel(RedOf(from), RedOf(to)), channel(GreenOf(from), GreenOf(to)),
                    channel(BlueOf(from), BlueOf(to)));
}

inline bool IsGrey(Color color) { return RedOf(color) == GreenOf(color) && GreenOf(color) == BlueOf(color); }

// The colour as it may be drawn on the ground with at least the ratio: the
// colour itself where it has it, else the least mix of it with white (on a
// dark ground) or black (on a light one) that has it, which keeps its hue.
// A grey has no hue to keep: black text on a dark ground turns white, as
// ordinary text does there, rather than a dim grey. Where even white or
// black falls short, that is the answer.
inline Color ReadableOn(Color color, Color ground, double ratio) {
    if (ContrastRatio(color, ground) >= ratio) return color;
    const double groundLuminance = RelativeLuminance(ground);
    const bool darkGround = ContrastRatio(clWhite, ground) >= ContrastRatio(clBlack, ground);
    const Color target = darkGround ? clWhite : clBlack;
    if (IsGrey(color)) {
        const auto v = static_cast<uint8_t>(255 - RedOf(color));
        const Color mirror = RgbColor(v, v, v);
        if (ContrastRatio(mirror, ground) > ContrastRatio(color, ground)) color = mirror;
        if (ContrastRatio(color, ground) >= ratio) return color;
    }
    // Reached once the mix lies on the far side of the ground from where it
    // starts and far enough: from there on the contrast only grows.
    const auto reaches = [&](double part) {
        const Color mixed = Mix(color, target, part);
        const double luminance = RelativeLuminance(mixed);
        const bool farSide = darkGround ? luminance >= groundLuminance : luminance <= groundLuminance;
        return farSide && ContrastRatio(mixed, ground) >= ratio;
    };
    if (!reaches(1)) return target;
    double low = 0, high = 1;
    for (int i = 0; i < 24; ++i) {
        const double middle = (low + high) / 2;
        (reaches(middle) ? high : low) = middle;
    }
    return Mix(color, target, high);
}

}  // namespace zenka
