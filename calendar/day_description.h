// A day in words. The tray tooltip writes the whole of it, "令和元年(2019年)
// 5月1日(水)大安 即位の日"; the calendar's tooltip and the month schedule
// view's lines write some of its parts, in the same words.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "calendar/julius.h"

namespace zenka {

// The parts, each written as its comment shows or left out when it has
// nothing to say.
enum class DayPart : uint8_t {
    Year,        // "令和元年(2019年)": the era in force on the day itself
    MonthDay,    // "5月1日"
    DayOfMonth,  // " 1", "23": the day right-aligned in two places
    Weekday,     // "(水)"
    Rokuyo,      // "大安", when wanted and the day lies in the old-calendar table
    Names,       // the day's names, as comma text
};

inline constexpr DayPart kTrayTooltipParts[] = {DayPart::Year, DayPart::MonthDay, DayPart::Weekday, DayPart::Rokuyo,
                                                DayPart::Names};
inline constexpr DayPart kCalendarHintParts[] = {DayPart::Rokuyo, DayPart::Names};
inline constexpr DayPart kScheduleLineParts[] = {DayPart::DayOfMonth, DayPart::Weekday, DayPart::Names};

struct DescribedDay {
    CivilDate date;
    int32_t julius = 0;
    uint8_t weekday = 1;     // 1 = Sunday .. 7 = Saturday
    std::string_view names;  // comma text, as GetDayNames gives it
};

// The day of a date that exists; raises EJuliusError in the 1582 gap.
DescribedDay DescribedDayOf(const CivilDate& date, std::string_view names);

// How the user has asked for days to be written.
struct DayWording {
    bool eraFirst = true;  // "令和元年(2019年)" rather than "2019年(令和元年)"
    bool rokuyo = true;
};

// The parts in the order given. A blank stands between the rokuyo and a
// part written after it, and nowhere else.
std::string DescribeDay(std::span<const DayPart> parts, const DescribedDay& day, const DayWording& wording);

// "日" .. "土" for 1 = Sunday .. 7 = Saturday.
std::string_view WeekdayLetter(uint8_t weekday);

}  // namespace zenka
