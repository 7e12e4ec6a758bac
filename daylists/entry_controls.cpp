#include "daylists/entry_controls.h"

#include <algorithm>


namespace zenka {

const std::array<const char*, 7> kWeekdayNames = {"日", "月", "火", "水", "木", "金", "土"};
const std::array<const char*, 3> kYearModeNames = {"のみ", "以前", "以降"};

int32_t WeekNumberOfDay(int32_t day) { return std::clamp((day - 1) / 7 + 1, 1, 5); }

int32_t WeekdayItemOf(int32_t weekdayNumber) {
    const int64_t fromSunday = (static_cast<int64_t>(weekdayNumber) - 1) % 7;
    return static_cast<int32_t>((fromSunday + 7) % 7) + 1;
}

int32_t DefaultYearMode(DayListKind kind) { return kind == DayListKind::Yotei ? kOnlyThatYear : kThatYearAndLater; }

EntryControls InitialEntryControls(DayListKind kind) {
    EntryControls controls;
    controls.yearChecked = kind == DayListKind::Yotei;
    return controls;
}

EntryEnabling EntryEnablingOf(const EntryControls& controls) {
    return {controls.yearChecked, !controls.weekForm, controls.weekForm};
}

std::string ComposeDayRule(const EntryControls& c, int32_t defaultYearMode) {
    std::string line;
    if (c.yearChecked) {
        line += std::to_string(c.year) + "," + std::to_string(c.yearMode.value_or(defaultYearMode)) + ",";
    }
    if (c.weekForm) {
        line += std::to_string(c.weekMonth) + "," + std::to_string(c.weekNumber) + "," + std::to_string(c.weekday);
    } else {
        line += std::to_string(c.month) + "," + std::to_string(c.day);
    }
    return line + "," + c.content;
}

void PresetEntryControls(EntryControls& controls, const CivilDate& date) {
    controls.year = kYearBox.Clamp(date.year);
    controls.month = controls.weekMonth = kMonthBox.Clamp(date.month);
    controls.day = kDayBox.Clamp(date.day);
    controls.weekNumber = WeekNumberOfDay(date.day);
    controls.weekday = JuliusDayOfWeek(DateToJulius(date.year, date.month, date.day));
}

}  // namespace zenka
