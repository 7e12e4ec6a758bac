#include "common/theme_source_win.h"

#include <windows.h>

namespace zenka {

namespace {

constexpr wchar_t kPersonalizeKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";

// A theme value: light unless the value is there and 0.
bool LightUnlessZero(const wchar_t* name) {
    DWORD value = 1;
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, kPersonalizeKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS) {
        return true;
    }
    return value != 0;
}

Color SystemColor(int index) { return GetSysColor(index) & 0xFFFFFF; }

}  // namespace

ThemeState SystemThemeSource::Read() const {
    ThemeState state;
    state.taskbarLight = LightUnlessZero(L"SystemUsesLightTheme");
    state.appsLight = LightUnlessZero(L"AppsUseLightTheme");
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    state.highContrast = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
                         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
    state.system.window = SystemColor(COLOR_WINDOW);
    state.system.windowText = SystemColor(COLOR_WINDOWTEXT);
    state.system.highlight = SystemColor(COLOR_HIGHLIGHT);
    state.system.highlightText = SystemColor(COLOR_HIGHLIGHTTEXT);
    state.system.buttonFace = SystemColor(COLOR_BTNFACE);
    state.system.buttonText = SystemColor(COLOR_BTNTEXT);
    state.system.buttonHighlight = SystemColor(COLOR_BTNHIGHLIGHT);
    state.system.buttonShadow = SystemColor(COLOR_BTNSHADOW);
    state.system.grayText = SystemColor(COLOR_GRAYTEXT);
    return state;
}

}  // namespace zenka
