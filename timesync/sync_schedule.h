// When automatic synchronisation runs by interval: the timer tmrOki runs
// exactly when Teiki is on and Oneday is off, every Oki minutes.
#pragma once

#include <cstdint>

#include "common/app_settings.h"

namespace zenka {

// The interval in minutes that the settings allow. A stored 0 or negative
// value would fire an attempt every few milliseconds, a large one would
// overflow the timer's milliseconds.
inline constexpr int32_t kMinSyncInterval = 1;
inline constexpr int32_t kMaxSyncInterval = 10000;
int32_t ClampSyncInterval(int32_t minutes);

struct SyncTimerSetting {
    bool enabled = false;
    uint32_t intervalMs = 0;
    bool operator==(const SyncTimerSetting&) const = default;
};

// The timer as the settings want it; the interval is clamped.
SyncTimerSetting SyncTimerFor(const AppSettings::Sync& sync);

// A repeating timer; Start begins the countdown anew.
class IntervalTimer {
public:
    virtual ~IntervalTimer() = default;
    virtual void Start(uint32_t milliseconds) = 0;
    virtual void Stop() = 0;
};

// tmrOki, set at start-up and on each apply of the settings. Applying what
// is already set leaves the countdown running; a changed interval, or
// switching the timer on, starts it anew.
class SyncSchedule {
public:
    explicit SyncSchedule(IntervalTimer& tmrOki) : tmrOki_(tmrOki) {}

    void ApplySyncSchedule(const AppSettings::Sync& sync);
    const SyncTimerSetting& Current() const { return current_; }

private:
    IntervalTimer& tmrOki_;
    SyncTimerSetting current_;
};

}  // namespace zenka
