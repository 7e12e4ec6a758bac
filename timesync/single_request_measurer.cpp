#include "timesync/single_request_measurer.h"

#include <optional>

#include "timesync/date_header.h"
#include "timesync/sync_reasons.h"

namespace zenka {

LocalMoment SingleRequestMeasurer::LocalNow() const { return ToLocalMoment(clock_.UtcNow()); }

void SingleRequestMeasurer::Measure(const ClockMeasureRequest& request,
                                    std::function<void(ClockMeasurement)> done) {
    HttpRequest get;
    static_cast<HttpTarget&>(get) = request.way;
    get.url = request.servers.empty() ? std::string() : request.servers.front();
    get.timeLimitMs = static_cast<uint32_t>(std::chrono::round<std::chrono::milliseconds>(request.timeLimit).count());
    const LocalMoment sent = LocalNow();
    const HttpResponse response = http_.Get(get);
    const LocalMoment received = LocalNow();

    ServerMeasurement server;
    server.server = get.url;
    if (response.error != HttpError::None) {
        server.reason = sync_reason::OfHttpError(response.error, get.proxy.has_value());
    } else if (response.status < 200 || response.status > 299) {
        // A redirect or an error status is not the server's answer; its
        // Date header is not used.
        server.reason = sync_reason::OfStatus(response.status);
    } else if (const std::optional<SystemTime> date = EvaluateDateHeader(response.date)) {
        server.measured = true;
        server.answers = 1;
        server.shortestRoundTrip = received - sent;
        server.offset = ToLocalMoment(*date) - received;
        // The Date was stamped somewhere in its second, while the request ran.
        server.bound = Micros(500'000) + server.shortestRoundTrip;
    } else {
        server.reason = sync_reason::kNoDate;
    }
    ClockMeasurement measurement;
    measurement.servers.push_back(std::move(server));
    measurement.combined = CombineOffsets(measurement.servers);
    done(std::move(measurement));
}

}  // namespace zenka
