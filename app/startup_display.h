// What the start-up shows: the calendar window, the tray icons, or both,
// and whether the tray icons appear at once or after a wait.
#pragma once

#include <cstdint>

#include "common/app_settings.h"

namespace zenka {

enum class TrayStart {
    Never,      // calendar only: no tray icon in this run
    Now,        // placed during the start-up
    AfterWait,  // placed when the start-up wait timer fires
};

struct StartupDisplay {
    bool showCalendar = false;
    TrayStart tray = TrayStart::Now;
    uint32_t waitMilliseconds = 0;  // for TrayStart::AfterWait
    bool operator==(const StartupDisplay&) const = default;
};

// Calendar-only is tested first, then calendar and tray; every other
// combination, whatever Kidou/Tray says, is tray icons only. A wait below
// one second places the icons at once.
StartupDisplay DecideStartupDisplay(const AppSettings::Kidou& kidou, int32_t waitSeconds);

}  // namespace zenka
