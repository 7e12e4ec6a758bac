// Reading the time from the "Date" header of an HTTP response, in its
// usual form "Tue, 15 Nov 1994 08:12:31 GMT". The header carries whole
// seconds only, so the time read is the middle of that second.
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

}  // namespace zenka
