#include "app/startup_display.h"

namespace zenka {

StartupDisplay DecideStartupDisplay(const AppSettings::Kidou& kidou, int32_t waitSeconds) {
    if (kidou.cal) return {true, TrayStart::Never, 0};
    StartupDisplay display;
    display.showCalendar = kidou.w;
    if (waitSeconds < 1) {
        display.tray = TrayStart::Now;
    } else {
        display.tray = TrayStart::AfterWait;
        display.waitMilliseconds = static_cast<uint32_t>(waitSeconds) * 1000u;
    }
    return display;
}

}  // namespace zenka
