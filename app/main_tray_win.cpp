#include "app/main_tray_win.h"

#include "app/os_version_win.h"

namespace zenka {

bool SystemUsesNewerPlacementOrder() {
    const OsVersion version = ReportedOsVersion();
    // A system that does not tell is taken as a current one.
    if (version.major == 0) return true;
    return UsesNewerPlacementOrder(version.major, version.minor);
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
      tick(TickServices{clock, sound, notice, icons, timeSync, shortDate, badLines, calendar, settings, appDir}) {}

}  // namespace zenka
