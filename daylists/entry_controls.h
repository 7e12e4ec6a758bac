// The entry control group of the day-list tabs and of the entry editor: an
// optional year with its year mode, a month and day or a month, week number
// and weekday, and the content; and the rule line they compose.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/day_list.h"
#include "calendar/julius.h"
#include "controls/spin_field.h"

namespace zenka {

// The number boxes' ranges. A box whose text is not a whole number reads as
// its minimum, and a value outside its range is put in as the nearest bound
// (SpinValue, SpinRange::Clamp).
inline constexpr SpinRange kYearBox{1900, 2999};
inline constexpr SpinRange kMonthBox{1, 12};
inline constexpr SpinRange kDayBox{1, 31};
inline constexpr SpinRange kWeekNumberBox{1, 5};

// The weekday box's items, "日" (1, Sunday) to "土" (7), and the year mode
// box's, "のみ" (0), "以前" (1), "以降" (2).
extern const std::array<const char*, 7> kWeekdayNames;
extern const std::array<const char*, 3> kYearModeNames;

// 1 for days 1 to 7, 2 for 8 to 14, 3 for 15 to 21, 4 for 22 to 28, 5 after.
int32_t WeekNumberOfDay(int32_t day);

// The weekday a rule line's weekday number stands for, 1 to 7, the way the
// calendar takes it: 0 is Saturday, 8 is Sunday and so on.
int32_t WeekdayItemOf(int32_t weekdayNumber);

struct EntryControls {
    bool yearChecked = true;
    int32_t year = 1999;
    // The picked item, 0 to 2, or nothing while none has been picked and
    // the box shows the group's default year mode.
    std::optional<int32_t> yearMode;
    bool weekForm = false;
    int32_t month = 1;  // date form
    int32_t day = 1;
    int32_t weekMonth = 1;  // week form
    int32_t weekNumber = 1;
    int32_t weekday = 2;  // 1..7 as the box shows it
    std::string content;

    bool operator==(const EntryControls&) const = default;
};

// The year mode that applies while no item has been picked: "のみ" for the
// scheduled days and the editor, "以降" for the special days and holidays.
int32_t DefaultYearMode(DayListKind kind);

// The controls as a tab shows them before the calendar's date is put in:
// the year box checked only on the scheduled-day tab.
EntryControls InitialEntryControls(DayListKind kind);

// Which controls may be used: the year and its mode while the year box is
// checked, the boxes of the chosen form only.
struct EntryEnabling {
    bool year = false;
    bool dateForm = false;
    bool weekForm = false;
    bool operator==(const EntryEnabling&) const = default;
};
EntryEnabling EntryEnablingOf(const EntryControls& controls);

// The rule line of the controls, numbers in decimal without padding:
// [year,mode,]month,day,content or [year,mode,]month,week,weekday,content.
std::string ComposeDayRule(const EntryControls& controls, int32_t defaultYearMode);

// The calendar's date into the year, both months, the day, the week number
// and the weekday; everything else keeps its state.
void PresetEntryControls(EntryControls& controls, const CivilDate& date);

}  // namespace zenka
