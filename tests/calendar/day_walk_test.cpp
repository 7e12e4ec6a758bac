#include "calendar/day_walk.h"

#include <gtest/gtest.h>

#include "calendar/julius.h"

namespace zenka {
namespace {

// The walk against the conversions, every day of the supported range in
// both directions: the reform, every leap day (4000-02-29 included, which
// the conversions know) and the ends of the range.
TEST(DayWalk, AgreesWithTheConversionsOverTheWholeRange) {
    WalkDay day = WalkDayOf(kFirstSupportedDay);
    EXPECT_EQ(day, (WalkDay{0, {-4712, 1, 1}, 2}));
    while (day.julius < kLastSupportedDay) {
        day = DayAfter(day);
        if (day.date != JuliusToDate(day.julius) || day.weekday != JuliusDayOfWeek(day.julius)) {
            FAIL() << "forward, day " << day.julius << ": " << day.date.year << "-" << int(day.date.month) << "-"
                   << int(day.date.day) << ", weekday " << int(day.weekday);
        }
    }
    EXPECT_EQ(day.date, (CivilDate{9999, 12, 31}));
    while (day.julius > kFirstSupportedDay) {
        day = DayBefore(day);
        if (day.date != JuliusToDate(day.julius) || day.weekday != JuliusDayOfWeek(day.julius)) {
            FAIL() << "back, day " << day.julius << ": " << day.date.year << "-" << int(day.date.month) << "-"
                   << int(day.date.day) << ", weekday " << int(day.weekday);
        }
    }
    EXPECT_EQ(DayAfter(WalkDayOf(2299160)).date, (CivilDate{1582, 10, 15}));

    // A date's day, with the dates that do not exist standing for the day
    // their number names.
    for (const int32_t year : {-4712, -1, 0, 1582, 1900, 2000, 2100, 4000, 9999}) {
        for (uint8_t month = 0; month <= 13; ++month) {
            for (uint8_t d = 0; d <= 32; ++d) {
                if (year == 1582 && month == 10 && d >= 5 && d <= 14) continue;
                EXPECT_EQ(WalkDayOfDate(year, month, d), WalkDayOf(DateToJulius(year, month, d)))
                    << year << "-" << int(month) << "-" << int(d);
            }
        }
    }
    EXPECT_THROW(WalkDayOfDate(1582, 10, 10), EJuliusError);
    EXPECT_EQ(DayBefore(WalkDayOf(2299161)).date, (CivilDate{1582, 10, 4}));
}

}  // namespace
}  // namespace zenka
