#include "timesync/clock_measurement.h"

#include <exception>
#include <memory>
#include <thread>

#include "timesync/sync_reasons.h"

namespace zenka {
namespace {

ServerMeasurement Failed(const std::string& url, std::string reason) {
    ServerMeasurement failed;
    failed.server = url;
    failed.reason = std::move(reason);
    return failed;
}

}  // namespace

ClockMeasurement MeasureClock(const ClockMeasureRequest& request, ProbeTransport& transport, ProbeClock& clock) {
    ClockMeasurement measurement;
    const size_t count = request.servers.size();
    measurement.servers.resize(count);
    const LocalMoment start = clock.Now();
    const auto measureOne = [&](size_t i) {
        const std::string& url = request.servers[i];
        try {
            HttpTarget target = request.way;
            target.url = url;
            const std::unique_ptr<ProbeConnection> connection = transport.Open(target);
            if (!connection) {
                measurement.servers[i] = Failed(url, sync_reason::kHttpFailed);
                return;
            }
            // Each request's query differs from every other's of this measurement.
            const auto nonce = static_cast<uint64_t>(start.time_since_epoch().count()) + (uint64_t{i} << 16);
            const ProbePlan plan{start + request.timeLimit, request.builtOn, nonce, request.way.proxy.has_value()};
            measurement.servers[i] = MeasureServer(url, *connection, clock, plan);
        } catch (const std::exception&) {
            // Nothing may leave a thread; the server counts as one that failed.
            measurement.servers[i] = Failed(url, sync_reason::kUnexpected);
        }
    };
    {
        std::vector<std::jthread> others;
        for (size_t i = 1; i < count; ++i) others.emplace_back(measureOne, i);
        if (count > 0) measureOne(0);
    }
    measurement.combined = CombineOffsets(measurement.servers);
    return measurement;
}

}  // namespace zenka
