#include "controls/title_bar_win.h"

#include <dwmapi.h>

#include "common/theme.h"

namespace zenka {

void ApplyTitleBarTheme(HWND window, bool dark, uint32_t buildNumber) {
    const DWORD attribute = DarkTitleBarAttribute(buildNumber);
    if (!window || attribute == 0) return;
    const BOOL value = dark ? TRUE : FALSE;
    // A system that does not know the attribute refuses it; the title bar
    // stays as the system draws it.
    DwmSetWindowAttribute(window, attribute, &value, sizeof(value));
}

}  // namespace zenka
