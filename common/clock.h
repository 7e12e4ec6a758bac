// The local date and time, as a service the application asks for.
#pragma once

#include "calendar/julius.h"

namespace zenka {

class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime Now() const = 0;
};

}  // namespace zenka
