#include "calendar/day_walk.h"

namespace zenka {
namespace {

// The conversions' own leap years: the Julian rule up to the reform, the
// Gregorian one after it, and no 4000-year exception (4000-02-29 exists for
// them, though DaysInMonth says February 4000 has 28 days).
bool HasLeapDay(int32_t year) {
    if (year > 1582) return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return ((year % 4) + 4) % 4 == 0;
}

uint8_t LastDayOf(int32_t year, uint8_t month) {
    constexpr uint8_t kLength[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && HasLeapDay(year) ? 29 : kLength[month < 13 ? month : 0];
}

constexpr CivilDate kLastJulianDay{1582, 10, 4};
constexpr CivilDate kFirstGregorianDay{1582, 10, 15};

}  // namespace

WalkDay WalkDayOf(int32_t julius) { return {julius, JuliusToDate(julius), JuliusDayOfWeek(julius)}; }

WalkDay WalkDayOfDate(int32_t year, uint8_t month, uint8_t day) {
    const int32_t julius = DateToJulius(year, month, day);
    if (day < 1 || day > LastDayOf(year, month)) return WalkDayOf(julius);
    return {julius, {year, month, day}, JuliusDayOfWeek(julius)};
}

WalkDay DayAfter(const WalkDay& day) {
    WalkDay next{day.julius + 1, day.date, static_cast<uint8_t>(day.weekday % 7 + 1)};
    CivilDate& d = next.date;
    if (d == kLastJulianDay) {
        d = kFirstGregorianDay;
    } else if (d.day < LastDayOf(d.year, d.month)) {
        ++d.day;
    } else if (d.month < 12) {
        ++d.month;
        d.day = 1;
    } else {
        d = {d.year + 1, 1, 1};
    }
    return next;
}

WalkDay DayBefore(const WalkDay& day) {
    WalkDay previous{day.julius - 1, day.date, static_cast<uint8_t>((day.weekday + 5) % 7 + 1)};
    CivilDate& d = previous.date;
    if (d == kFirstGregorianDay) {
        d = kLastJulianDay;
    } else if (d.day > 1) {
        --d.day;
    } else if (d.month > 1) {
        --d.month;
        d.day = LastDayOf(d.year, d.month);
    } else {
        d = {d.year - 1, 12, 31};
    }
    return previous;
}

}  // namespace zenka
