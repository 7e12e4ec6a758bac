// Reading the time from the "Date" header of an HTTP response, in its
// usual form "Tue, 15 Nov 1994 08:12:31 GMT". The header carries whole
// seconds only: a single request takes the middle of that second, a
// measurement of the clock the second itself.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "timesync/system_time.h"

namespace zenka {

// 1 for "Jan" .. 12 for "Dec", compared exactly; 0 for anything else.
uint8_t MonthFromName(std::string_view name);

// The header cut into tokens. Separators are "," and every character from
// 1 to 32; a run of them ends one token. A token that starts with a double
// quote runs to the closing one and is kept without the quotes.
std::vector<std::string> DateHeaderTokens(std::string_view header);

// The UTC time the header names plus 500 ms: day, month name and year from
// the second, third and fourth token, hour, minute and second from the
// characters 1-2, 4-5 and 7-8 of the fifth. The weekday and the zone are
// not read. Nothing when any of that is missing or out of range (years
// 1..9999).
std::optional<SystemTime> EvaluateDateHeader(std::string_view header);

// Longer than this, a Date header is not read at all; the usual form has 29
// characters.
inline constexpr size_t kMaxDateHeaderLength = 64;

// The day this version was built (its time of day zero). A clock cannot be
// earlier than the program that reads it.
SystemTime BuildDay();

// The server's time from the Date headers of one response, to the second,
// or why it cannot be used.
struct ServerDate {
    // Seconds since 1970-01-01 00:00:00 UTC: the start of the second the
    // header names.
    std::optional<int64_t> seconds;
    std::string reason;  // when there are none, in the words of the sync report
};

// Read as EvaluateDateHeader reads, and refused: no header or an empty one,
// more than one, one longer than kMaxDateHeaderLength, more than six
// tokens, a zone other than GMT, UTC or +0000 (none is taken as GMT), a
// time other than "08:12:31", a leap second, a day before builtOn or more
// than 100 years after it.
ServerDate ReadServerDate(const std::vector<std::string>& dates, const SystemTime& builtOn);

// "Sun, 06 Nov 1994 08:49:37 GMT" for seconds since 1970, as a server
// writes it.
std::string HttpDateText(int64_t seconds);

}  // namespace zenka
