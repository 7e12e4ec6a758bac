// Japanese eras, by the day each began, and the era texts of the calendar
// caption, the tray tooltip and zenka-cal.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "calendar/julius.h"

namespace zenka {

struct Era {
    std::string_view name;  // "明治" ... "令和"
    CivilDate firstDay;     // in the Gregorian calendar
};

// 明治, 大正, 昭和, 平成, 令和, oldest first.
std::span<const Era> Eras();

// The era in force on the date; null before 明治.
const Era* EraOn(const CivilDate& date);

// The era and its year on the date: "令和元", "平成18", "昭和64"; before
// 明治 the year alone, "1867".
std::string EraYearText(const CivilDate& date);

// The calendar caption for its selected date: "昭和64年1月" on 1989-01-07 and
// "平成元年1月" on 1989-01-08, or "1989年1月" with the era display off.
std::string CalendarCaption(const CivilDate& selected, bool eraDisplay);

// A month's caption where no day is selected: a month in which an era
// begins after its first day names both, "昭和64年・平成元年1月".
std::string MonthCaption(int32_t year, uint8_t month);

// The tooltip's year: "令和元年(2019年)", or "2019年(令和元年)" with the era
// display off; the year alone, "1867年", before 明治.
std::string TooltipEraText(const CivilDate& date, bool eraDisplay);

}  // namespace zenka
