// The measurement of this computer's clock against the time servers: each
// server probed on a connection of its own, all of them at the same time,
// within one time limit, and their offsets combined.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "timesync/date_header.h"
#include "timesync/http_client.h"
#include "timesync/local_moment.h"
#include "timesync/offset_combination.h"
#include "timesync/probe_clock.h"
#include "timesync/probe_transport.h"
#include "timesync/server_probing.h"
#include "timesync/system_time.h"

namespace zenka {

struct ClockMeasureRequest {
    std::vector<std::string> servers;  // URLs, as stored
    // The proxy, credentials, user agent and accept header of every
    // request; its URL is not read.
    HttpTarget way;
    Micros timeLimit{20'000'000};  // for the whole measurement
    SystemTime builtOn = BuildDay();  // server dates before it are refused
};

struct ClockMeasurement {
    std::vector<ServerMeasurement> servers;  // in the order of the request
    CombinedOffset combined;
};

// Measures every server, the first on the calling thread and each other on
// a thread of its own, and combines them. Returns by the time limit, and
// at once when the clock's wait or a request is cancelled.
ClockMeasurement MeasureClock(const ClockMeasureRequest& request, ProbeTransport& transport, ProbeClock& clock);

// A way to measure the clock for an attempt to set it.
class ClockMeasurer {
public:
    virtual ~ClockMeasurer() = default;
    // The local clock the offsets are measured against, read at the
    // moment the clock is set.
    virtual LocalMoment LocalNow() const = 0;
    // Calls `done` once with the result, on the thread that asked: at once,
    // or later from its message loop.
    virtual void Measure(const ClockMeasureRequest& request, std::function<void(ClockMeasurement)> done) = 0;
    // Ends a measurement that runs, promptly; its `done` is not called.
    virtual void Cancel() = 0;
};

// MeasureClock on the calling thread, with `done` called at its end.
class ProbingClockMeasurer : public ClockMeasurer {
public:
    ProbingClockMeasurer(ProbeTransport& transport, ProbeClock& clock) : transport_(transport), clock_(clock) {}
    LocalMoment LocalNow() const override { return clock_.Now(); }
    void Measure(const ClockMeasureRequest& request, std::function<void(ClockMeasurement)> done) override {
        done(MeasureClock(request, transport_, clock_));
    }
    // Nothing runs once Measure has returned.
    void Cancel() override {}

private:
    ProbeTransport& transport_;
    ProbeClock& clock_;
};

}  // namespace zenka
