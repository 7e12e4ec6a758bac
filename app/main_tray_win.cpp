#include "app/main_tray_win.h"

namespace zenka {

bool SystemUsesNewerPlacementOrder() {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    // The version the system reports to this program decides, as it does
    // for the shell that lines the icons up.
    if (!GetVersionExW(&version)) return true;
#pragma GCC diagnostic pop
    return UsesNewerPlacementOrder(version.dwMajorVersion, version.dwMinorVersion);
}

MainTray::MainTray(HWND owner, HMENU trayMenu, const Clock& clock, TCustomCalendarEx2k& calendar,
                   AppSettings& settings, const std::string& appDir, bool newerOrder)
    : // The first tick, at the end of the start-up, loads the date images;
      // until then the icons show the system's application icon.
      icons(owner, trayMenu, nullptr),
      placement(icons.Month(), icons.Day(), icons.Weekday(), settings.icon, newerOrder),
      sound(owner),
      notice(owner),
      errors(owner),
      tick(TickServices{clock, sound, notice, icons, timeSync, shortDate, errors, calendar, settings, appDir}) {}

}  // namespace zenka
