#include "common/palette.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "common/contrast.h"
#include "tests/common/hue.h"
#include "settings/color_choice.h"
#include "tests/fakes/fake_theme_source.h"

namespace zenka {
namespace {

std::string Hex(Color c) {
    std::ostringstream out;
    out << std::hex << (c & 0xFFFFFF);
    return out.str();
}

using testing::Hue;

struct SchemeCase {
    const char* name;
    ThemeState state;
    Color configuredGround;  // what the calendar and the list are set up with
};

std::vector<SchemeCase> Schemes() {
    ThemeState dark;
    dark.appsLight = false;
    ThemeState black;
    black.highContrast = true;
    black.system = HighContrastBlack();
    ThemeState white = black;
    white.system = HighContrastWhite();
    return {{"light", ThemeState{}, clWhite},
            {"dark", dark, clWhite},
            {"high contrast black", black, clWhite},
            {"high contrast white", white, clWhite}};
}

TEST(Contrast, RatiosAndShadesFollowTheGuidelinesFigures) {
    EXPECT_DOUBLE_EQ(ContrastRatio(clBlack, clWhite), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(clRed, clRed), 1.0);
    EXPECT_NEAR(ContrastRatio(clWhite, clLime), 1.37, 0.01) << "white on lime, hard to read";
    EXPECT_NEAR(ContrastRatio(clBlue, RgbColor(0x20, 0x20, 0x20)), 1.9, 0.01);
    // A shade reaches the ratio and barely more: the least change.
    for (const auto& [colour, ground] : {std::pair{clLime, clWhite}, std::pair{clBlue, RgbColor(0x20, 0x20, 0x20)},
                                         std::pair{clFuchsia, RgbColor(0xf3, 0xf3, 0xf3)}}) {
        const Color shade = ReadableOn(colour, ground, 4.5);
        EXPECT_GE(ContrastRatio(shade, ground), 4.5) << Hex(colour);
        EXPECT_LT(ContrastRatio(shade, ground), 4.6) << Hex(colour);
        EXPECT_NEAR(Hue(shade), Hue(colour), 1.0) << Hex(colour);
    }
    EXPECT_EQ(ReadableOn(clBlack, RgbColor(0x19, 0x19, 0x19), 4.5), clWhite) << "a grey takes its mirror";
    EXPECT_EQ(ReadableOn(clWhite, clWhite, 25), clBlack) << "beyond reach: the farthest colour";
}

// Every colour of the colour tab, and the rokuyo's black, as text on the
// ground and as the selected day's fill and text, in every scheme.
TEST(Palette, EveryDayColourReadsAsTextAndSelectedInEveryScheme) {
    std::vector<Color> colours(kColorChoices.begin(), kColorChoices.end());
    colours.push_back(clYellow);
    colours.push_back(clGray);
    for (const SchemeCase& scheme : Schemes()) {
        const Palette palette = PaletteFor(scheme.state);
        const Color ground = palette.ground.value_or(scheme.configuredGround);
        for (Color chosen : colours) {
            SCOPED_TRACE(std::string(scheme.name) + ", colour " + Hex(chosen));
            const Color text = palette.DayText(chosen, ground);
            EXPECT_GE(ContrastRatio(text, ground), kDayTextContrast) << "drawn as " << Hex(text);
            const CellColors selected = palette.Selected(chosen, ground);
            EXPECT_GE(ContrastRatio(selected.fill, selected.text), kDayTextContrast)
                << Hex(selected.text) << " on " << Hex(selected.fill);
            EXPECT_NE(selected.fill, ground) << "the selected day stands out";
            const Color neighbour = palette.NeighbourText(chosen, ground, 192 / 255.0);
            EXPECT_LT(ContrastRatio(neighbour, ground), ContrastRatio(text, ground)) << "neighbours are fainter";
        }
    }
}

TEST(Palette, LightAndDarkShadesKeepTheHueAndChangeOnlyWhatDoesNotRead) {
    struct Case {
        bool dark;
        Color chosen;
        bool unchanged;
    };
    const Case cases[] = {
        {false, clBlack, true}, {false, clBlue, true}, {false, clRed, false}, {false, clLime, false},
        {false, clFuchsia, false}, {true, clBlue, false}, {true, clRed, false}, {true, clLime, true},
        {true, clFuchsia, true},
    };
    for (const Case& c : cases) {
        ThemeState state;
        state.appsLight = !c.dark;
        const Palette palette = PaletteFor(state);
        const Color ground = palette.ground.value_or(clWhite);
        const Color shade = palette.DayText(c.chosen, ground);
        SCOPED_TRACE((c.dark ? "dark, " : "light, ") + Hex(c.chosen) + " drawn as " + Hex(shade));
        EXPECT_EQ(shade == c.chosen, c.unchanged);
        if (!IsGrey(c.chosen)) {
            EXPECT_NEAR(Hue(shade), Hue(c.chosen), 1.0);
        }
    }
    ThemeState dark;
    dark.appsLight = false;
    const Palette palette = PaletteFor(dark);
    EXPECT_EQ(palette.DayText(clBlack, *palette.ground), clWhite) << "ordinary days as ordinary text";
    // The light scheme draws on what the windows are set up with; the dark
    // one brings its own.
    EXPECT_FALSE(PaletteFor(ThemeState{}).ground.has_value());
    EXPECT_EQ(PaletteFor(ThemeState{}).face, SystemColors{}.buttonFace);
    EXPECT_GE(ContrastRatio(*palette.headerText, *palette.header), kDayTextContrast);
    EXPECT_GE(ContrastRatio(palette.faceText, palette.face), kDayTextContrast);
    EXPECT_LT(RelativeLuminance(*palette.ground), 0.05);
}

TEST(Palette, HighContrastDrawsInTheSystemColoursAndLettersTheKindsApart) {
    ThemeState state;
    state.highContrast = true;
    state.system = HighContrastBlack();
    const Palette palette = PaletteFor(state);
    EXPECT_EQ(palette.ground, clBlack);
    EXPECT_EQ(palette.face, clBlack);
    EXPECT_EQ(palette.faceText, clWhite);
    for (Color chosen : kColorChoices) EXPECT_EQ(palette.DayText(chosen, clBlack), clWhite);
    EXPECT_EQ(palette.Selected(clRed, clBlack), (CellColors{state.system.highlight, clBlack}));
    EXPECT_EQ(palette.NeighbourText(clRed, clBlack, 0.75), state.system.grayText);

    const auto lettering = [](const Palette& p, DayFontIndex kind) {
        const FontDescription f = p.MarkKind(kind, FontDescription{});
        return std::tuple(f.bold, f.italic, f.underline);
    };
    std::set<std::tuple<bool, bool, bool>> seen;
    for (DayFontIndex kind : {kFontWeekday, kFontSaturday, kFontSunday, kFontSpecialDay, kFontYoteiDay}) {
        EXPECT_TRUE(seen.insert(lettering(palette, kind)).second) << "kind " << int(kind) << " looks like another";
    }
    EXPECT_EQ(lettering(palette, kFontHoliday), lettering(palette, kFontSunday)) << "holidays are red days";
    EXPECT_EQ(lettering(palette, kFontWeekday), std::tuple(false, false, false));
    for (DayFontIndex kind : {kFontSaturday, kFontSunday, kFontHoliday, kFontSpecialDay, kFontYoteiDay}) {
        EXPECT_EQ(lettering(PaletteFor(ThemeState{}), kind), std::tuple(false, false, false))
            << "colours tell the kinds apart elsewhere";
    }
}

}  // namespace
}  // namespace zenka
