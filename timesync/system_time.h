// A moment as the system clock is set: UTC fields down to the millisecond,
// in the Gregorian calendar (also before its introduction), with
// millisecond arithmetic on them.
#pragma once

#include <cstdint>
#include <string>

namespace zenka {

struct SystemTime {
    int32_t year = 1601;
    uint8_t month = 1;
    uint8_t day = 1;
    uint8_t dayOfWeek = 1;  // 0 = Sunday .. 6 = Saturday; follows from the date
    uint8_t hour = 0;
    uint8_t minute = 0;
    uint8_t second = 0;
    uint16_t milliseconds = 0;
    bool operator==(const SystemTime&) const = default;
};

// Every field but the weekday within its range, the day within its month.
bool IsValidSystemTime(const SystemTime& time);

// Milliseconds since 1970-01-01 00:00:00.000; the weekday is not read.
int64_t ToMilliseconds(const SystemTime& time);
// The fields of a count of ToMilliseconds, weekday included.
SystemTime FromMilliseconds(int64_t milliseconds);

SystemTime AddMilliseconds(const SystemTime& time, int64_t milliseconds);
// The time moved by a signed count of tenths of a second; exact to the
// millisecond.
SystemTime AddTenthsOfSecond(const SystemTime& time, int32_t tenths);

// "2026-01-05T08:49:37.500Z"; years outside 0..9999 give more or fewer
// digits.
std::string FormatSystemTime(const SystemTime& time);

}  // namespace zenka
