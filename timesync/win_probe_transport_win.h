// The requests of a clock measurement on WinHTTP: a session and a kept-open
// connection for each server, HEAD or GET with headers that turn caches
// away, and every request ended by its deadline whatever the server sends.
#pragma once

#include <memory>

#include "timesync/probe_transport.h"
#include "timesync/win_probe_clock_win.h"

namespace zenka {

class WinHttpProbeTransport : public ProbeTransport {
public:
    // `clock` stamps the requests; a request ends at once, with
    // HttpError::Cancelled, while `cancel` is set. Both must outlive the
    // transport and its connections.
    WinHttpProbeTransport(ProbeClock& clock, const MeasurementCancel& cancel) : clock_(clock), cancel_(cancel) {}
    std::unique_ptr<ProbeConnection> Open(const HttpTarget& target) override;

private:
    ProbeClock& clock_;
    const MeasurementCancel& cancel_;
};

}  // namespace zenka
