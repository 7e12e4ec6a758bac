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
    EXPECT_EQ(DayBefore(WalkDayOf(2299161)).date, (CivilDate{1582, 10, 4}));
}

}  // namespace
}  // namespace zenka
