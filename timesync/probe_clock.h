// The local clock of a clock measurement: when it is, and waiting for a
// moment. The measurement aims its requests at moments of the local
// second, so the clock must be fine (a high-resolution monotonic counter
// mapped to the wall clock at one reading, so that a change of the system
// clock meanwhile does not move it) and its waits must end close to the
// moment asked for. Setting the clock from a reading of the same clock
// makes the error of that one mapping cancel out.
#pragma once

#include "timesync/local_moment.h"

namespace zenka {

// Both calls come from several threads at once, one for each server
// measured, and a cancellation ends every wait that runs.
class ProbeClock {
public:
    virtual ~ProbeClock() = default;
    virtual LocalMoment Now() const = 0;
    // Returns once the clock reads `moment` or later: true; or false, at
    // once, when the measurement has been cancelled (the program is
    // closing), now or before.
    virtual bool WaitUntil(LocalMoment moment) = 0;
};

}  // namespace zenka
