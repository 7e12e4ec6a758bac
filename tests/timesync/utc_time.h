// A time of day in UTC, with the weekday the system would give it.
#pragma once

#include <cstdint>

#include "timesync/system_time.h"

namespace zenka::testing {

inline SystemTime Utc(int32_t y, uint8_t mo, uint8_t d, uint8_t h, uint8_t mi, uint8_t s, uint16_t ms) {
    return FromMilliseconds(ToMilliseconds(SystemTime{y, mo, d, 0, h, mi, s, ms}));
}

}  // namespace zenka::testing
