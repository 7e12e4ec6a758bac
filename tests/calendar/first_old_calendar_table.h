// The old-calendar table as first shipped: 260 lines for 1989-12-28 ..
// 2010-12-06, kept as the reference the wider table must agree with.
#pragma once

#include <string_view>

extern "C" const char kJdOldCal1989Data[];
extern "C" const unsigned kJdOldCal1989Size;

inline std::string_view FirstOldCalendarTable() { return {kJdOldCal1989Data, kJdOldCal1989Size}; }
