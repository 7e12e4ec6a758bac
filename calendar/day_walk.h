// Walking from day to day without the floating-point conversions: the date,
// its day number and its weekday step together, over month and year ends and
// across the 1582 reform. JuliusToDate and JuliusDayOfWeek stay the
// definition; the steps agree with them over the supported range.
#pragma once

#include <cstdint>

#include "calendar/julius.h"

namespace zenka {

struct WalkDay {
    int32_t julius = 0;
    CivilDate date;
    uint8_t weekday = 1;  // 1 = Sunday .. 7 = Saturday

    friend bool operator==(const WalkDay&, const WalkDay&) = default;
};

// The day of a day number, by the conversions.
WalkDay WalkDayOf(int32_t julius);
// The day of a date: its number by the conversion, its date as given when
// that date exists (no conversion back needed), else as the number names
// it (30 February is a day of March). Raises EJuliusError for a day of the
// 1582 gap.
WalkDay WalkDayOfDate(int32_t year, uint8_t month, uint8_t day);

// The next and the previous day, by counting alone.
WalkDay DayAfter(const WalkDay& day);
WalkDay DayBefore(const WalkDay& day);

}  // namespace zenka
