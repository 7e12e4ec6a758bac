#include "common/theme.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/palette.h"
#include "tests/fakes/fake_theme_source.h"

namespace zenka {
namespace {

using Sets = std::vector<std::string>;
const Sets kLightSets{"Icon\\"};
const Sets kDarkSets{"Icon\\Dark\\", "Icon\\"};

ThemeState State(bool taskbarLight, bool appsLight, bool highContrast = false,
                 SystemColors system = SystemColors{}) {
    ThemeState state;
    state.taskbarLight = taskbarLight;
    state.appsLight = appsLight;
    state.highContrast = highContrast;
    state.system = system;
    return state;
}

TEST(Theme, SchemeIconSetsAndTitleBarFollowTheThemeValues) {
    struct Case {
        const char* what;
        ThemeState state;
        DrawingScheme scheme;
        Sets sets;
        bool darkTitleBar;
    };
    const Case cases[] = {
        {"no values (Windows 7 and 8)", ThemeState{}, DrawingScheme::Light, kLightSets, false},
        {"light taskbar, dark programs", State(true, false), DrawingScheme::Dark, kLightSets, true},
        {"dark taskbar, light programs (Windows 10's default)", State(false, true), DrawingScheme::Light, kDarkSets,
         false},
        {"both dark", State(false, false), DrawingScheme::Dark, kDarkSets, true},
        // A high-contrast theme rules over both values; its window colour
        // tells the taskbar's darkness.
        {"high contrast black over light values", State(true, true, true, HighContrastBlack()),
         DrawingScheme::HighContrast, kDarkSets, false},
        {"high contrast white over dark values", State(false, false, true, HighContrastWhite()),
         DrawingScheme::HighContrast, kLightSets, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(SchemeOf(c.state), c.scheme);
        EXPECT_EQ(TrayIconSets(c.state), c.sets);
        EXPECT_EQ(WantsDarkTitleBar(c.state), c.darkTitleBar);
        EXPECT_EQ(PaletteFor(c.state).scheme, c.scheme);
    }
}

TEST(Theme, TheDarkTitleBarAttributeDependsOnTheBuild) {
    EXPECT_EQ(DarkTitleBarAttribute(7601), 0u) << "Windows 7 has no dark title bars";
    EXPECT_EQ(DarkTitleBarAttribute(17134), 0u);
    EXPECT_EQ(DarkTitleBarAttribute(17763), 19u) << "1809";
    EXPECT_EQ(DarkTitleBarAttribute(18984), 19u);
    EXPECT_EQ(DarkTitleBarAttribute(18985), 20u);
    EXPECT_EQ(DarkTitleBarAttribute(22631), 20u);
}

// Each step changes the fake source and refreshes, as a message about a
// change of settings or colours does; the watch says what that changed.
TEST(Theme, AChangeChangesOnlyWhatItReaches) {
    FakeThemeSource source;
    ThemeWatch watch(source);
    EXPECT_EQ(watch.State(), ThemeState{});

    SystemColors otherFace;
    otherFace.buttonFace = RgbColor(230, 230, 230);
    SystemColors bluer = otherFace;
    bluer.highlight = RgbColor(0, 0, 200);
    SystemColors otherBlack = HighContrastBlack();
    otherBlack.highlight = RgbColor(255, 255, 0);

    struct Step {
        const char* what;
        ThemeState state;
        ThemeChange change;  // tray icons, drawing, title bar
    };
    const Step steps[] = {
        {"a setting that is no theme (the work area, say)", ThemeState{}, {}},
        {"the taskbar turns dark", State(false, true), {true, false, false}},
        {"the programs turn dark", State(false, false), {false, true, true}},
        {"a system colour the dark scheme does not use", State(false, false, false, otherFace), {}},
        {"back to light programs: the light face is the system's", State(false, true, false, otherFace),
         {false, true, true}},
        {"a selection colour, which the light scheme does not use", State(false, true, false, bluer), {}},
        {"high contrast black on", State(false, true, true, HighContrastBlack()), {false, true, false}},
        {"another highlight within high contrast", State(false, true, true, otherBlack), {false, true, false}},
        {"high contrast white", State(false, true, true, HighContrastWhite()), {true, true, false}},
        {"high contrast off, programs dark", State(true, false), {false, true, true}},
        {"the same again", State(true, false), {}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        source.state = step.state;
        EXPECT_EQ(watch.Refresh(), step.change);
        EXPECT_EQ(watch.State(), step.state);
    }
}

}  // namespace
}  // namespace zenka
