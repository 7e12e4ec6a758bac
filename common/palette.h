// The colours of the calendar window, its month calendar and the month
// schedule view under a theme, decided once from the theme's state:
// - light: the colours the windows are set up with, on the system's
//   window face;
// - dark: dark faces and grounds with light text;
// - high contrast: the system's own colours, every day in the window text
//   colour, and the kinds of day told apart by their lettering.
// In every scheme a day keeps the hue of its chosen colour wherever colours
// are drawn at all, in a shade that reads as text on the ground; the chosen
// colours themselves (the settings) do not change.
#pragma once

#include <optional>

#include "calendar/day_classifier.h"
#include "common/color.h"
#include "common/font.h"
#include "common/theme.h"

namespace zenka {

// The least contrast of a day's text with its ground.
inline constexpr double kDayTextContrast = 4.5;

struct CellColors {
    Color fill;
    Color text;

    friend bool operator==(const CellColors&, const CellColors&) = default;
};

struct Palette {
    DrawingScheme scheme = DrawingScheme::Light;
    // The window's face: its background, the caption's and the buttons'
    // text, and the light and dark edges of a raised or pressed button.
    Color face = clBlack;
    Color faceText = clBlack;
    Color faceLight = clBlack;
    Color faceShadow = clBlack;
    // What the scheme sets instead of the colours the grid and the list
    // are set up with: their ground, the weekday header and its text, and
    // the dividing lines. The light scheme keeps those.
    std::optional<Color> ground;
    std::optional<Color> header;
    std::optional<Color> headerText;
    std::optional<Color> line;
    // High contrast: every day's text, the neighbouring months' days and
    // the selected day's fill and text in these system colours.
    std::optional<Color> dayText;
    std::optional<Color> neighbourText;
    std::optional<CellColors> selection;
    // The kinds of day are lettered differently too (see MarkKind).
    bool marksKinds = false;

    // A day of the chosen colour as text on the ground.
    Color DayText(Color chosen, Color ground) const;
    // A day of a neighbouring month: the day's text faded the part of the
    // way into the ground.
    Color NeighbourText(Color chosen, Color ground, double fade) const;
    // The selected day: its colour fills the cell and the text takes the
    // ground, so the shade's contrast holds for both.
    CellColors Selected(Color chosen, Color ground) const;
    // The day font as the kind of day is lettered: where marksKinds is on,
    // Saturdays bold, Sundays and holidays bold and underlined, special
    // days underlined and scheduled days italic; otherwise as it is.
    FontDescription MarkKind(DayFontIndex kind, FontDescription font) const;

    friend bool operator==(const Palette&, const Palette&) = default;
};

Palette PaletteFor(const ThemeState& state);

}  // namespace zenka
