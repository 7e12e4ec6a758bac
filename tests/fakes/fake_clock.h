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
    void SetTime(uint8_t hour, uint8_t minute, uint8_t second = 0) {
        now_.hour = hour;
        now_.minute = minute;
        now_.second = second;
    }
    void SetNow(const DateTime& now) { now_ = now; }
    DateTime Now() const override { return now_; }

private:
    DateTime now_;
};

}  // namespace zenka
