// Julius days: the Julian Day Number of a civil day, and the civil dates they
// stand for. Julian calendar up to 1582-10-04, Gregorian from 1582-10-15.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace zenka {

// Raised for a date inside the ten days dropped in October 1582.
class EJuliusError : public std::runtime_error {
public:
    EJuliusError();
};

// The text EJuliusError carries.
extern const char* const kJuliusGapMessage;

// The days the program works with: day numbers 0 (-4712-01-01, in 4713 BC)
// to 5373484 (9999-12-31), over which the two conversions are exact inverses
// of each other. They are whole years, so a date lies in the range exactly
// when its year does. Every date that comes from outside (a command line, a
// navigation step) is held to it.
constexpr int32_t kFirstSupportedDay = 0;
constexpr int32_t kLastSupportedDay = 5373484;
constexpr int32_t kFirstSupportedYear = -4712;
constexpr int32_t kLastSupportedYear = 9999;

constexpr bool IsSupportedDay(int32_t julius) {
    return julius >= kFirstSupportedDay && julius <= kLastSupportedDay;
}
constexpr bool IsSupportedYear(int32_t year) { return year >= kFirstSupportedYear && year <= kLastSupportedYear; }

// What a user is told who asks for a date outside the range.
extern const char* const kSupportedRangeMessage;

struct CivilDate {
    int32_t year = 0;
    uint8_t month = 0;
    uint8_t day = 0;

    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// Converts by the formulas even for out-of-range months and days (day 32
// lands in the next month); raises EJuliusError for 1582-10-05..14. Any
// input is safe to convert, though far outside the supported range the
// results mean nothing.
int32_t DateToJulius(int32_t year, uint8_t month, uint8_t day);
CivilDate JuliusToDate(int32_t julius);

// 1 = Sunday, 2 = Monday ... 7 = Saturday, for any day number.
uint8_t JuliusDayOfWeek(int32_t julius);

bool IsJuliusLeapYear(int32_t year);
// 0 for a month outside 1..12.
uint8_t DaysInMonth(int32_t year, uint8_t month);
// True when the date survives a round trip; raises EJuliusError in the gap.
bool IsValidDate(int32_t year, uint8_t month, uint8_t day);

// Local date and time as the platform reports it.
struct DateTime {
    int32_t year = 0;
    uint8_t month = 1;
    uint8_t day = 1;
    uint8_t hour = 0;
    uint8_t minute = 0;
    uint8_t second = 0;
};

int32_t DateTimeToJulius(const DateTime& now);

}  // namespace zenka
