// Moments of this computer's clock (UTC) to the microsecond, as the clock
// measurement reads and compares them, and the way to the millisecond
// fields the clock is set with.
#pragma once

#include <chrono>

#include "timesync/system_time.h"

namespace zenka {

using Micros = std::chrono::microseconds;
using LocalMoment = std::chrono::sys_time<Micros>;

// To the nearest millisecond.
inline SystemTime ToSystemTime(LocalMoment moment) {
    return FromMilliseconds(std::chrono::round<std::chrono::milliseconds>(moment).time_since_epoch().count());
}

inline LocalMoment ToLocalMoment(const SystemTime& time) {
    return LocalMoment(std::chrono::milliseconds(ToMilliseconds(time)));
}

}  // namespace zenka
