// The system's theme as Windows keeps it: the two theme values under
// HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize, the
// high-contrast switch and the system colours.
#pragma once

#include "common/theme.h"

namespace zenka {

class SystemThemeSource : public ThemeSource {
public:
    ThemeState Read() const override;
};

}  // namespace zenka
