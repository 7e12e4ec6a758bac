// The clock of a measurement on Windows: the performance counter, mapped to
// the system clock at one reading, and waits that end within about a
// millisecond of their moment and at once on a cancellation.
#pragma once

#include <windows.h>

#include <cstdint>

#include "timesync/probe_clock.h"

namespace zenka {

// Set, it ends every wait of the clock and every request of the transport
// that share it, and each one after, until it is cleared.
class MeasurementCancel {
public:
    MeasurementCancel() : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~MeasurementCancel() {
        if (event_) CloseHandle(event_);
    }
    MeasurementCancel(const MeasurementCancel&) = delete;
    MeasurementCancel& operator=(const MeasurementCancel&) = delete;
    void Cancel() { SetEvent(event_); }
    void Clear() { ResetEvent(event_); }
    bool Cancelled() const { return WaitForSingleObject(event_, 0) == WAIT_OBJECT_0; }
    HANDLE Event() const { return event_; }

private:
    HANDLE event_;
};

class WinProbeClock : public ProbeClock {
public:
    explicit WinProbeClock(const MeasurementCancel& cancel);
    // Reads the system clock anew as the counter's origin; for the start of
    // each measurement, so that a clock set since is followed. Not while a
    // measurement runs.
    void Anchor();
    LocalMoment Now() const override;
    bool WaitUntil(LocalMoment moment) override;

private:
    const MeasurementCancel& cancel_;
    int64_t frequency_ = 1;
    int64_t originCount_ = 0;
    LocalMoment origin_;
};

}  // namespace zenka
