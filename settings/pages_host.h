// What the settings dialog reaches of the main window. The main window
// implements it; the dialog reads the settings record and the calendar's
// state when it opens, and applies through it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calendar/day_classifier.h"
#include "calendar/julius.h"
#include "common/app_settings.h"
#include "common/color.h"
#include "common/help_service.h"
#include "common/sound_player.h"
#include "daylists/day_list_storage.h"
#include "timesync/clock_measurement.h"
#include "timesync/sync_report.h"

namespace zenka {

class PagesHost {
public:
    virtual ~PagesHost() = default;

    // The main window's settings record, edited in place.
    virtual AppSettings& Settings() = 0;

    // The calendar's three day lists, and replacing them.
    virtual DayLists CalendarDayLists() const = 0;
    virtual void SetCalendarDayLists(const DayLists& lists) = 0;
    // The colour of one of the calendar's day fonts, and changing it.
    virtual Color DayFontColor(DayFontIndex font) const = 0;
    virtual void SetDayFontColor(DayFontIndex font, Color color) = 0;
    // The date selected in the calendar.
    virtual CivilDate SelectedDate() const = 0;
    // Whether the calendar marks the equinox days as holidays.
    virtual bool AutoEquinox() const = 0;
    virtual void SetAutoEquinox(bool on) = 0;

    // The next tick redraws the date icons and their tooltips, without
    // showing today's schedule again.
    virtual void RedrawDateIconsQuietly() = 0;
    // The calendar window's opacity, 255 opaque; only version 5 has one.
    virtual void SetOpacity(uint8_t alpha) = 0;
    // The auto-close timer's interval.
    virtual void SetAutoCloseInterval(int32_t milliseconds) = 0;
    // The interval synchronisation timer, by the settings as they are now.
    virtual void ApplySyncSchedule() = 0;
    // The calendar window shows the applied values (its hint, its colours).
    virtual void SettingsApplied() = 0;

    // Writes the calendar's day lists to the settings store, and to the
    // backup file beside the executable.
    virtual void SaveDayLists() = 0;
    virtual void BackupDayLists() = 0;
    // Where that backup file is.
    virtual std::string BackupPath() const = 0;
    // The scheduled days an older version kept in the settings store, in
    // the current form; nothing when there are none.
    virtual std::optional<std::vector<std::string>> OldLayoutLines() = 0;

    virtual SoundPlayer& Sound() = 0;
    virtual HelpService& Help() = 0;
    // What the last synchronisation attempt found; nothing before the first.
    virtual std::optional<SyncReport> LastSyncReport() const = 0;
    // Measures the clock against the servers of these values, off the
    // dialog's thread, and calls `done` on it with the result; the clock is
    // not set. A measurement that runs is given up first.
    virtual void MeasureClockFor(const AppSettings::Sync& sync, std::function<void(const ClockMeasurement&)> done) = 0;
    // Gives up a measurement that runs; its `done` is not called.
    virtual void CancelClockMeasurement() = 0;
    // The operating system's major version number as reported to the
    // program; only version 5 has a transparent calendar window.
    virtual uint32_t OsMajorVersion() const = 0;
};

}  // namespace zenka
