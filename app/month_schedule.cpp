#include "app/month_schedule.h"

#include "calendar/day_description.h"
#include "calendar/tolerant_day_kind.h"
#include "calendar/julius.h"

namespace zenka {

MonthSchedule FillMonthSchedule(const DayRuleSet& rules, int32_t year, uint8_t month) {
    MonthSchedule schedule{year, month, {}, {}};
    // Walking the day numbers rather than the dates steps over the days
    // October 1582 does not have, as the calendar's grid does.
    const int32_t first = DateToJulius(year, month, 1);
    const int32_t last = DateToJulius(year, month, DaysInMonth(year, month));
    for (int32_t julius = first; julius <= last; ++julius) {
        const uint8_t day = JuliusToDate(julius).day;
        TolerantDayKind kind = ClassifyTolerantly(rules, year, month, day);
        const DescribedDay described{{year, month, day}, julius, JuliusDayOfWeek(julius), kind.names};
        schedule.lines.push_back({day, DescribeDay(kScheduleLineParts, described, {}), kind.font});
        for (EDayRuleError& bad : kind.badLines) schedule.badLines.push_back(std::move(bad));
    }
    return schedule;
}

LineColors MonthScheduleLineColors(const Palette& palette, Color dayColor, bool selected) {
    const Color ground = palette.ground.value_or(clWhite);
    if (selected) {
        const CellColors cell = palette.Selected(dayColor, ground);
        return {cell.fill, cell.text};
    }
    return {ground, palette.DayText(dayColor, ground)};
}

}  // namespace zenka
