// A clock that says whatever the test sets.
#pragma once

#include "common/clock.h"

namespace zenka {

class FakeClock : public Clock {
public:
    FakeClock(int32_t year, uint8_t month, uint8_t day) { Set(year, month, day); }
    void Set(int32_t year, uint8_t month, uint8_t day) {
        now_ = {};
        now_.year = year;
        now_.month = month;
        now_.day = day;
    }
    DateTime Now() const override { return now_; }

private:
    DateTime now_;
};

}  // namespace zenka
