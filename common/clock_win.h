#pragma once

#include "common/clock.h"

namespace zenka {

// The system's local time (GetLocalTime).
class SystemClock : public Clock {
public:
    DateTime Now() const override;
};

}  // namespace zenka
