// The main window's tray side: the three date icons with their placement,
// and the periodic tick with the services it reaches the user through
// (sound, notices, the short date, the error report). It lives as long as
// the main window's handle, which owns the icons and the sound device.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "common/app_settings.h"
#include "app/date_tray_icons_win.h"
#include "app/error_box_win.h"
#include "app/notice_box_win.h"
#include "app/short_date_win.h"
#include "app/sound_player_win.h"
#include "app/tick.h"
#include "app/tray_placement.h"
#include "common/clock.h"
#include "controls/month_calendar.h"

namespace zenka {

// The daily check's way to the clock synchronisation, which the main
// window sets up once the tray exists; until then it starts nothing.
class DailyTimeSync : public TimeSyncStarter {
public:
    void StartTimeSync() override {
        if (start) start();
    }
    std::function<void()> start;
};

// True when the running system adds tray icons in the order of version 5.1
// and later.
bool SystemUsesNewerPlacementOrder();

struct MainTray {
    // owner receives the tray menu's commands and the sound player's
    // notifications; every reference must outlive this object.
    MainTray(HWND owner, HMENU trayMenu, const Clock& clock, TCustomCalendarEx2k& calendar, AppSettings& settings,
             const std::string& appDir, bool newerOrder);

    DateTrayIcons icons;
    TrayPlacement placement;
    MciSoundPlayer sound;
    MessageNoticeBox notice;
    SystemShortDate shortDate;
    WindowErrorBox errors;
    // Shared with the calendar window's hint: a malformed list line is told
    // once, whoever meets it first.
    BadLineReport badLines{errors};
    DailyTimeSync timeSync;
    PeriodicTick tick;
};

}  // namespace zenka
