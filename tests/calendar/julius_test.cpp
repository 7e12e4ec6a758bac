#include "calendar/julius.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>

namespace zenka {
namespace {

TEST(Julius, KnownDaysConvertBothWays) {
    EXPECT_EQ(DateToJulius(2000, 1, 1), 2451545);
    EXPECT_EQ(DateToJulius(-4712, 1, 1), 0);
    EXPECT_EQ(DateToJulius(1, 1, 1), 1721424);
    EXPECT_EQ(DateToJulius(0, 3, 1), 1721118);
    EXPECT_EQ(JuliusToDate(5373484), (CivilDate{9999, 12, 31}));
    EXPECT_EQ(JuliusToDate(0), (CivilDate{-4712, 1, 1}));
}

TEST(Julius, CalendarReformSkipsTenDays) {
    EXPECT_EQ(DateToJulius(1582, 10, 4), 2299160);
    EXPECT_EQ(DateToJulius(1582, 10, 15), 2299161);
    EXPECT_EQ(JuliusToDate(2299160), (CivilDate{1582, 10, 4}));
    EXPECT_EQ(JuliusToDate(2299161), (CivilDate{1582, 10, 15}));
    EXPECT_EQ(JuliusDayOfWeek(2299161), 6) << "1582-10-15 was a Friday";
    for (uint8_t day = 5; day <= 14; ++day) {
        try {
            DateToJulius(1582, 10, day);
            ADD_FAILURE() << "1582-10-" << int(day) << " should not exist";
        } catch (const EJuliusError& e) {
            EXPECT_STREQ(e.what(), "1582/10/5-10/14は存在しません。");
        }
    }
    EXPECT_THROW(IsValidDate(1582, 10, 10), EJuliusError);
}

TEST(Julius, WeekdaysCountFromSunday) {
    EXPECT_EQ(JuliusDayOfWeek(2451545), 7) << "2000-01-01 was a Saturday";
    EXPECT_EQ(JuliusDayOfWeek(DateToJulius(2006, 1, 1)), 1);
    EXPECT_EQ(JuliusDayOfWeek(DateToJulius(2026, 12, 8)), 3);
}

TEST(Julius, EveryDayNumberHasAWeekday) {
    // Day 0 (-4712-01-01) was a Monday; the days before it count back
    // through the same cycle.
    EXPECT_EQ(JuliusDayOfWeek(0), 2);
    EXPECT_EQ(JuliusDayOfWeek(-1), 1);
    EXPECT_EQ(JuliusDayOfWeek(-2), 7);
    EXPECT_EQ(JuliusDayOfWeek(INT32_MAX), 3);
    EXPECT_EQ(JuliusDayOfWeek(INT32_MIN), 7);
    for (const int32_t start : {INT32_MIN, -5000 * 366, -1401, -30, 5373470, INT32_MAX - 30}) {
        for (int32_t j = start; j < start + 30; ++j) {
            const int weekday = JuliusDayOfWeek(j);
            ASSERT_TRUE(weekday >= 1 && weekday <= 7) << "day " << j << " gave weekday " << weekday;
            EXPECT_EQ(JuliusDayOfWeek(j + 1), weekday % 7 + 1) << "day " << j;
        }
    }
}

TEST(Julius, TheSupportedRangeIsWholeYearsFrom4713BCToAD9999) {
    EXPECT_EQ(JuliusToDate(kFirstSupportedDay), (CivilDate{kFirstSupportedYear, 1, 1}));
    EXPECT_EQ(JuliusToDate(kLastSupportedDay), (CivilDate{kLastSupportedYear, 12, 31}));
    EXPECT_EQ(DateToJulius(-4712, 1, 1), kFirstSupportedDay);
    EXPECT_EQ(DateToJulius(9999, 12, 31), kLastSupportedDay);
    for (const auto& [day, supported] : {std::pair{INT32_MIN, false}, {-1, false}, {0, true}, {2451545, true},
                                         {5373484, true}, {5373485, false}, {INT32_MAX, false}}) {
        EXPECT_EQ(IsSupportedDay(day), supported) << day;
    }
    for (const auto& [year, supported] : {std::pair{INT32_MIN, false}, {-4713, false}, {-4712, true}, {0, true},
                                          {9999, true}, {10000, false}, {INT32_MAX, false}}) {
        EXPECT_EQ(IsSupportedYear(year), supported) << year;
    }
    EXPECT_EQ(std::string(kSupportedRangeMessage), "日付は -4712-01-01 (紀元前4713年1月1日) から 9999-12-31 までです");
}

TEST(Julius, AnyInputConvertsWithoutOverflow) {
    // Far outside the supported range the results mean nothing, but the
    // conversions neither overflow nor read outside their tables.
    for (const int32_t year : {INT32_MIN, -6000000, -5000, 6000000, INT32_MAX}) {
        for (const uint8_t month : {0, 1, 2, 3, 12, 13, 255}) {
            for (const uint8_t day : {0, 1, 31, 255}) {
                (void)DateToJulius(year, month, day);
                (void)IsValidDate(year, month, day);
            }
            (void)DaysInMonth(year, month);
        }
    }
    for (const int32_t julius : {INT32_MIN, INT32_MIN + 1, -2000000, -1402, 6000000, INT32_MAX - 1, INT32_MAX}) {
        (void)JuliusToDate(julius);
    }
    EXPECT_FALSE(IsValidDate(INT32_MAX, 1, 1));
    EXPECT_FALSE(IsValidDate(INT32_MIN, 12, 31));
}

TEST(Julius, LeapYearsAndMonthLengths) {
    EXPECT_TRUE(IsJuliusLeapYear(1500)) << "Julian rule before 1582";
    EXPECT_FALSE(IsJuliusLeapYear(1700));
    EXPECT_TRUE(IsJuliusLeapYear(2000));
    EXPECT_FALSE(IsJuliusLeapYear(2100));
    EXPECT_FALSE(IsJuliusLeapYear(4000));
    EXPECT_TRUE(IsJuliusLeapYear(0));
    EXPECT_TRUE(IsJuliusLeapYear(-4));
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(4000, 2), 28);
    EXPECT_EQ(DaysInMonth(1582, 10), 31);
    EXPECT_EQ(DaysInMonth(2006, 4), 30);
    // Months that do not exist have no days.
    for (const uint8_t month : {0, 13, 255}) EXPECT_EQ(DaysInMonth(2006, month), 0) << int(month);
    // The day numbers know no 4000-year rule.
    EXPECT_EQ(DateToJulius(4000, 2, 29), 3182089);
    EXPECT_EQ(JuliusToDate(3182089), (CivilDate{4000, 2, 29}));
}

TEST(Julius, OutOfRangeDatesExtrapolateAndAreInvalid) {
    EXPECT_EQ(DateToJulius(2001, 2, 29), DateToJulius(2001, 3, 1));
    EXPECT_FALSE(IsValidDate(2001, 2, 29));
    EXPECT_FALSE(IsValidDate(2001, 13, 1));
    EXPECT_FALSE(IsValidDate(2006, 4, 31));
    EXPECT_TRUE(IsValidDate(2000, 2, 29));
    EXPECT_EQ(DateToJulius(2006, 1, 32), DateToJulius(2006, 2, 1));
}

TEST(Julius, EveryDayNumberRoundTrips) {
    CivilDate previous = JuliusToDate(-1);
    for (int32_t j = 0; j <= 5373484; ++j) {
        const CivilDate d = JuliusToDate(j);
        if (DateToJulius(d.year, d.month, d.day) != j) {
            FAIL() << "day " << j << " came back as " << DateToJulius(d.year, d.month, d.day);
        }
        // Each day follows the one before in the calendar in force.
        const bool nextDay = d.year == previous.year && d.month == previous.month && d.day == previous.day + 1;
        const bool nextMonth = d.day == 1 && ((d.year == previous.year && d.month == previous.month + 1) ||
                                              (d.year == previous.year + 1 && d.month == 1 && previous.month == 12));
        const bool reform = j == 2299161;
        if (!nextDay && !nextMonth && !reform) FAIL() << "day " << j << " does not follow day " << j - 1;
        previous = d;
    }
}

}  // namespace
}  // namespace zenka
