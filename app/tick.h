// The periodic tick: every ten seconds the main window runs Timer1Timer,
// which rings the alarms and the chime, starts the daily time
// synchronisation, and on a new day redraws the tray icons, sets their
// tooltips and shows today's schedule.
//
// Notice boxes are modal and the timer keeps firing while one is open, so
// ticks nest. Each step changes its state before it plays or shows
// anything, so that a nested tick does not repeat the event; and a tick
// that finds another tick ran while it waited stops there, since that tick
// has done the remaining steps with a later time than its own.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "app/bad_line_report.h"
#include "common/app_settings.h"
#include "common/notice_box.h"
#include "app/short_date.h"
#include "calendar/tolerant_day_kind.h"
#include "common/sound_player.h"
#include "app/tray_images.h"
#include "common/clock.h"
#include "controls/month_calendar.h"

namespace zenka {

// Starts a synchronisation of the clock with the time server.
class TimeSyncStarter {
public:
    virtual ~TimeSyncStarter() = default;
    virtual void StartTimeSync() = 0;
};

// What the tick reads and reaches the user with. Everything must outlive
// the tick.
struct TickServices {
    const Clock& clock;
    SoundPlayer& sound;
    NoticeBox& notice;
    TrayImages& tray;
    TimeSyncStarter& timeSync;
    const ShortDateFormat& shortDate;
    // Tells malformed list lines, once per run for the whole program.
    BadLineReport& badLines;
    // Holds the day lists and fonts; follows the date change.
    TCustomCalendarEx2k& calendar;
    AppSettings& settings;
    // The executable's directory with its trailing backslash.
    std::string appDir;
};

struct TickState {
    bool alarmFlag = false;  // an alarm rang in the current minute
    std::string alarmTime;   // its "h:m" text
    bool hourChimeFlag = false;
    bool halfHourChimeFlag = false;
    std::string iconDateCache;  // "y/m/d" of the day the icons show
    bool noticeSuppress = false;  // the next redraw shows no schedule notice
    // A redraw of this day shows no schedule notice again.
    std::string quietRedrawDay;
};

class PeriodicTick {
public:
    explicit PeriodicTick(TickServices services) : services_(std::move(services)) {}

    void Timer1Timer();

    const TickState& State() const { return state_; }
    // The next tick redraws the icons and tooltips (and shows the schedule
    // notice again unless it is suppressed).
    void ClearIconDateCache() { state_.iconDateCache.clear(); }
    // The next redraw shows no schedule notice.
    void SuppressNextNotice() { state_.noticeSuppress = true; }
    // The next tick redraws the icons and tooltips, and shows the schedule
    // notice only when the day has changed meanwhile.
    void RedrawIcons() { state_.quietRedrawDay = std::exchange(state_.iconDateCache, {}); }
    // Start-up forgets alarms and chimes of an earlier run.
    void ClearAlarmAndChimeFlags();
    // The icon sets the pictures come from, best first, as TrayIconSets
    // gives them; "Icon\" alone until told otherwise. Takes effect at the
    // next redraw of the icons.
    void SetIconSets(std::vector<std::string> sets) { iconSets_ = std::move(sets); }

private:
    // Each returns false when a tick nested in one of its notices or sounds
    // has taken over.
    bool RingAlarms(const DateTime& now, uint64_t tick);
    bool RingChimes(const DateTime& now, uint64_t tick);
    bool StartDailySync(const DateTime& now, uint64_t tick);
    void ChangeDate(const DateTime& now);

    // Plays a file; false when it could not be opened.
    bool TryPlay(const std::string& fileName);
    bool StillCurrent(uint64_t tick) const { return tick == ticks_; }

    // Loads the three pictures of the day from the first set that has the
    // month's picture.
    void LoadDateIcons(const std::string& colorFolder, uint8_t month, uint8_t day, uint8_t weekday);

    TickServices services_;
    TickState state_;
    uint64_t ticks_ = 0;  // ticks begun so far
    std::vector<std::string> iconSets_{"Icon\\"};
};

// "7:5" for 7:05: hour and minute without leading zeros.
std::string TickTimeText(uint8_t hour, uint8_t minute);

// The folder of a day font colour within an icon set, "Red\" and so on,
// or empty for a colour that has no folder.
std::string IconColorFolder(Color color);

// Blanks and control characters (every byte up to 0x20) off both ends.
std::string TrimBlanks(const std::string& text);

}  // namespace zenka
