// The Japanese old calendar worked out from the Sun and the Moon: each month
// begins on the civil day (Japan Standard Time) of a new moon, and the months
// are numbered by the principal solar terms they hold.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "tools/oldcal/solar_arrivals.h"

namespace zenka::oldcal {

// A principal solar term: the Sun's apparent longitude reaching a multiple
// of 30 degrees (270 is the winter solstice).
using PrincipalTerm = SolarArrival;

// The days from one new moon's day up to the day before the next.
struct Lunation {
    double newMoonUt = 0;  // Julian Date, Universal Time
    int32_t firstDay = 0;  // the Julius day of the new moon in Japan
    std::vector<PrincipalTerm> terms;
    uint8_t month = 0;  // 1..12, 100 + m for the leap month after month m; 0 when not numbered
};

// Numbers lunations that hold their principal terms: the one holding the
// winter solstice is month 11, the rest follow in order, and where thirteen
// lunations lie from one solstice month to the next, the first of them
// without a principal term repeats the month before it as a leap month.
// Lunations outside the first and the last solstice month keep month 0.
// Throws std::runtime_error when the solstices are not 12 or 13 lunations
// apart.
void NumberMonths(std::span<Lunation> lunations);

// The numbered lunations from the one holding fromDay to the one after the
// one holding toDay (which only closes the range), computed from the
// apparent positions of the Sun and the Moon.
std::vector<Lunation> OldCalendarMonths(int32_t fromDay, int32_t toDay);

// The table text: one line "firstDay,month" with CR LF for each lunation.
std::string FormatOldCalendarTable(std::span<const Lunation> lunations);

}  // namespace zenka::oldcal
