#include "timesync/server_probing.h"

#include <algorithm>
#include <optional>

#include "timesync/date_header.h"
#include "timesync/sync_reasons.h"

namespace zenka {
namespace {

constexpr int64_t kMicrosPerSecond = 1'000'000;
// A wait that ends later than this is not taken as the clock's habit.
constexpr Micros kMaxLateness{100'000};

ServerMeasurement Unmeasured(const std::string& url, std::string reason) {
    ServerMeasurement result;
    result.server = url;
    result.reason = std::move(reason);
    return result;
}

// The offsets an answer allows: from `low` up to, not including, `high`.
struct OffsetInterval {
    Micros low;
    Micros high;
};

OffsetInterval AllowedBy(const ProbeAnswer& answer, int64_t dateSeconds) {
    const Micros stamped(dateSeconds * kMicrosPerSecond);
    return {stamped - answer.received.time_since_epoch(),
            stamped + Micros(kMicrosPerSecond) - answer.sent.time_since_epoch()};
}

}  // namespace

LocalMoment AimedSendingMoment(LocalMoment earliest, Micros roundTrip, Micros offset) {
    const int64_t arrival = (earliest + roundTrip / 2 + offset).time_since_epoch().count();
    int64_t intoSecond = arrival % kMicrosPerSecond;
    if (intoSecond < 0) intoSecond += kMicrosPerSecond;
    return earliest + Micros(intoSecond == 0 ? 0 : kMicrosPerSecond - intoSecond);
}

ServerMeasurement MeasureServer(const std::string& url, ProbeConnection& connection, ProbeClock& clock,
                                const ProbePlan& plan) {
    ServerMeasurement result;
    result.server = url;
    ProbeMethod method = ProbeMethod::Head;
    std::optional<OffsetInterval> allowed;
    Micros lastRoundTrip{0};
    uint64_t nonce = plan.nonce;
    std::string failure;  // of the request that ended the probing

    // How late the last wait ended; the next one is asked to end that much
    // earlier, so that a clock whose waits end late still hits its aim.
    Micros lateness{0};

    while (result.answers < kMaxProbes) {
        LocalMoment sendAt = clock.Now();
        if (allowed) {
            const Micros width = allowed->high - allowed->low;
            if (width <= result.shortestRoundTrip + 2 * kProbeWindowGoal) break;
            sendAt = AimedSendingMoment(sendAt + lateness, lastRoundTrip, allowed->low + width / 2);
            if (sendAt + lastRoundTrip > plan.deadline) break;
        }
        const LocalMoment wakeAt = sendAt - lateness;
        if (!clock.WaitUntil(wakeAt)) return Unmeasured(url, sync_reason::kCancelled);
        lateness = std::clamp(clock.Now() - wakeAt, Micros(0), kMaxLateness);
        const ProbeAnswer answer = connection.Probe({method, CacheDefeatingUrl(url, nonce++), plan.deadline});
        if (answer.error == HttpError::Cancelled) return Unmeasured(url, sync_reason::kCancelled);
        if (answer.error != HttpError::None) {
            failure = sync_reason::OfHttpError(answer.error, plan.viaProxy);
            break;
        }
        if (method == ProbeMethod::Head && (answer.status == 405 || answer.status == 501)) {
            method = ProbeMethod::Get;
            continue;
        }
        if (answer.status < 200 || answer.status > 299) {
            failure = sync_reason::OfStatus(answer.status);
            break;
        }
        const ServerDate date = ReadServerDate(answer.dates, plan.builtOn);
        if (!date.seconds) return Unmeasured(url, date.reason);

        const OffsetInterval now = AllowedBy(answer, *date.seconds);
        if (allowed) {
            allowed->low = std::max(allowed->low, now.low);
            allowed->high = std::min(allowed->high, now.high);
        } else {
            allowed = now;
        }
        if (allowed->low >= allowed->high) return Unmeasured(url, sync_reason::kDatesDisagree);
        lastRoundTrip = std::max(Micros(0), answer.received - answer.sent);
        result.shortestRoundTrip =
            result.answers == 0 ? lastRoundTrip : std::min(result.shortestRoundTrip, lastRoundTrip);
        ++result.answers;
    }

    if (!allowed) return Unmeasured(url, failure.empty() ? sync_reason::kTimeout : failure);
    const Micros width = allowed->high - allowed->low;
    result.measured = true;
    result.offset = allowed->low + width / 2;
    result.bound = (width + Micros(1)) / 2;
    return result;
}

}  // namespace zenka
