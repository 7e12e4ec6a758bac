// The clock measured as the first versions of Zenka measured it, for an
// attempt that has no probing transport.
#pragma once

#include "timesync/clock_measurement.h"
#include "timesync/clock_setter.h"
#include "timesync/http_client.h"

namespace zenka {

// One GET to the first server, its Date taken as
// the middle of the second it names; the bound is half a second plus the
// request's duration. Server dates are not checked against the build day.
class SingleRequestMeasurer : public ClockMeasurer {
public:
    // The local clock is the system clock that is set.
    SingleRequestMeasurer(HttpClient& http, const ClockSetter& clock) : http_(http), clock_(clock) {}
    LocalMoment LocalNow() const override;
    void Measure(const ClockMeasureRequest& request, std::function<void(ClockMeasurement)> done) override;
    void Cancel() override {}

private:
    HttpClient& http_;
    const ClockSetter& clock_;
};

}  // namespace zenka
