// A theme that says whatever the test sets, with the high-contrast
// schemes Windows ships.
#pragma once

#include "common/theme.h"

namespace zenka {

class FakeThemeSource : public ThemeSource {
public:
    ThemeState Read() const override { return state; }
    ThemeState state;
};

// High Contrast Black: white text on black, cyan selection, green grey text.
inline SystemColors HighContrastBlack() {
    SystemColors c;
    c.window = clBlack;
    c.windowText = clWhite;
    c.highlight = RgbColor(0x1a, 0xeb, 0xff);
    c.highlightText = clBlack;
    c.buttonFace = clBlack;
    c.buttonText = clWhite;
    c.buttonHighlight = clWhite;
    c.buttonShadow = clWhite;
    c.grayText = RgbColor(0x3f, 0xf2, 0x3f);
    return c;
}

// High Contrast White: black text on white, purple selection.
inline SystemColors HighContrastWhite() {
    SystemColors c;
    c.window = clWhite;
    c.windowText = clBlack;
    c.highlight = RgbColor(0x37, 0x00, 0x6e);
    c.highlightText = clWhite;
    c.buttonFace = clWhite;
    c.buttonText = clBlack;
    c.buttonHighlight = clBlack;
    c.buttonShadow = clBlack;
    c.grayText = RgbColor(0x60, 0x00, 0x00);
    return c;
}

}  // namespace zenka
