// The system clock, read and set in UTC. Tests always stand in a fake: the
// real one changes the computer's time.
#pragma once

#include "timesync/system_time.h"

namespace zenka {

enum class ClockSetResult {
    Set,
    NotPermitted,  // the process lacks the privilege to set the clock
    Refused,       // for any other reason, such as a year the system cannot hold
};

class ClockSetter {
public:
    virtual ~ClockSetter() = default;
    virtual SystemTime UtcNow() const = 0;
    virtual ClockSetResult SetSystemTime(const SystemTime& utc) = 0;
};

// Sets the clock through a helper that runs with the privilege, after the
// user has allowed it. The helper adds the time that passes until it runs.
class ElevatedClockSetter {
public:
    virtual ~ElevatedClockSetter() = default;
    // True when the clock was set; false when the user declined or the
    // helper failed.
    virtual bool SetClockElevated(const SystemTime& utc) = 0;
};

}  // namespace zenka
