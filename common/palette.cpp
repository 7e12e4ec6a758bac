#include "common/palette.h"

#include "common/contrast.h"

namespace zenka {

namespace {

// The dark scheme's shades: the window's face as dark as the system's dark
// title bar, the grid's ground a little deeper, the weekday header lighter
// than the ground as the light scheme's grey band is darker than its white.
constexpr Color kDarkFace = RgbColor(0x20, 0x20, 0x20);
constexpr Color kDarkFaceText = clWhite;
constexpr Color kDarkFaceLight = RgbColor(0x5a, 0x5a, 0x5a);
constexpr Color kDarkFaceShadow = RgbColor(0x0a, 0x0a, 0x0a);
constexpr Color kDarkGround = RgbColor(0x19, 0x19, 0x19);
constexpr Color kDarkHeader = RgbColor(0x3a, 0x3a, 0x3a);
constexpr Color kDarkHeaderText = RgbColor(0xf0, 0xf0, 0xf0);
constexpr Color kDarkLine = RgbColor(0x46, 0x46, 0x46);

}  // namespace

Palette PaletteFor(const ThemeState& state) {
    const SystemColors& system = state.system;
    Palette palette;
    palette.scheme = SchemeOf(state);
    switch (palette.scheme) {
        case DrawingScheme::Light:
            palette.face = system.buttonFace;
            palette.faceText = system.buttonText;
            palette.faceLight = system.buttonHighlight;
            palette.faceShadow = system.buttonShadow;
            break;
        case DrawingScheme::Dark:
            palette.face = kDarkFace;
            palette.faceText = kDarkFaceText;
            palette.faceLight = kDarkFaceLight;
            palette.faceShadow = kDarkFaceShadow;
            palette.ground = kDarkGround;
            palette.header = kDarkHeader;
            palette.headerText = kDarkHeaderText;
            palette.line = kDarkLine;
            break;
        case DrawingScheme::HighContrast:
            // A button's edges in its text colour: the theme's shadows and
            // highlights may be the face's own colour.
            palette.face = system.buttonFace;
            palette.faceText = system.buttonText;
            palette.faceLight = system.buttonText;
            palette.faceShadow = system.buttonText;
            palette.ground = system.window;
            palette.header = system.buttonFace;
            palette.headerText = system.buttonText;
            palette.line = system.windowText;
            palette.dayText = system.windowText;
            palette.neighbourText = system.grayText;
            palette.selection = CellColors{system.highlight, system.highlightText};
            palette.marksKinds = true;
            break;
    }
    return palette;
}

Color Palette::DayText(Color chosen, Color groundColor) const {
    if (dayText) return *dayText;
    return ReadableOn(chosen, groundColor, kDayTextContrast);
}

Color Palette::NeighbourText(Color chosen, Color groundColor, double fade) const {
    if (neighbourText) return *neighbourText;
    return Mix(DayText(chosen, groundColor), groundColor, fade);
}

CellColors Palette::Selected(Color chosen, Color groundColor) const {
    if (selection) return *selection;
    return {DayText(chosen, groundColor), groundColor};
}

FontDescription Palette::MarkKind(DayFontIndex kind, FontDescription font) const {
    if (!marksKinds) return font;
    switch (kind) {
        case kFontSaturday: font.bold = true; break;
        case kFontSunday:
        case kFontHoliday:
            font.bold = true;
            font.underline = true;
            break;
        case kFontSpecialDay: font.underline = true; break;
        case kFontYoteiDay: font.italic = true; break;
        default: break;
    }
    return font;
}

}  // namespace zenka
