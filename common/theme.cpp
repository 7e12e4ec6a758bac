#include "common/theme.h"

#include "common/contrast.h"
#include "common/palette.h"

namespace zenka {

DrawingScheme SchemeOf(const ThemeState& state) {
    if (state.highContrast) return DrawingScheme::HighContrast;
    return state.appsLight ? DrawingScheme::Light : DrawingScheme::Dark;
}

bool TaskbarIsLight(const ThemeState& state) {
    if (!state.highContrast) return state.taskbarLight;
    return ContrastRatio(state.system.window, clBlack) > ContrastRatio(state.system.window, clWhite);
}

std::vector<std::string> TrayIconSets(const ThemeState& state) {
    if (TaskbarIsLight(state)) return {"Icon\\"};
    return {"Icon\\Dark\\", "Icon\\"};
}

bool WantsDarkTitleBar(const ThemeState& state) { return SchemeOf(state) == DrawingScheme::Dark; }

uint32_t DarkTitleBarAttribute(uint32_t buildNumber) {
    if (buildNumber >= 18985) return 20;
    if (buildNumber >= 17763) return 19;
    return 0;
}

ThemeChange ChangeBetween(const ThemeState& before, const ThemeState& after) {
    ThemeChange change;
    change.trayIcons = TrayIconSets(before) != TrayIconSets(after);
    change.drawing = PaletteFor(before) != PaletteFor(after);
    change.titleBar = WantsDarkTitleBar(before) != WantsDarkTitleBar(after);
    return change;
}

ThemeChange ThemeWatch::Refresh() {
    const ThemeState now = source_.Read();
    const ThemeChange change = ChangeBetween(state_, now);
    state_ = now;
    return change;
}

}  // namespace zenka
