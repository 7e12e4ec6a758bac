// The measurement of one server's clock against fake servers whose seconds
// tick over at known phases of the local second: how close it comes, how
// it asks, and how it fails.
#include "timesync/server_probing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fakes/fake_time_servers.h"
#include "timesync/sync_reasons.h"

namespace zenka {
namespace {

using std::chrono::milliseconds;

constexpr char kUrl[] = "https://time.example.jp/";
// 2026-03-01 12:00:00.250 UTC: the local second's phase matters as well.
const LocalMoment kProbeStart = LocalMoment(std::chrono::seconds(1'772'366'400)) + Micros(250'000);
const SystemTime kProbeBuiltOn = FromMilliseconds(int64_t{1'767'225'600} * 1000);  // 2026-01-01

struct Probed {
    ServerMeasurement result;
    LocalMoment end;
};

Probed Probe(FakeTimeServer& server, LocalMoment start = kProbeStart, Micros lateWake = Micros(0),
             Micros timeLimit = std::chrono::seconds(20)) {
    FakeProbeClock clock(start);
    clock.lateWake = lateWake;
    FakeProbeConnection connection(server, clock);
    const ServerMeasurement result =
        MeasureServer(kUrl, connection, clock, ProbePlan{start + timeLimit, kProbeBuiltOn, 0x100, false});
    return {result, clock.Now()};
}

std::string Ms(Micros value) { return std::to_string(value.count() / 1000.0) + " ms"; }

TEST(ServerProbing, EveryPhaseAndRoundTripIsBoundWithinTenMillisecondsPlusHalfTheRoundTrip) {
    const Micros roundTrips[] = {Micros(0), milliseconds(1), milliseconds(10), milliseconds(50),
                                 milliseconds(100), milliseconds(150), milliseconds(200)};
    // How much of the round trip lies before the server stamps its Date.
    const double outShares[] = {0.5, 0.0, 1.0, 0.8};
    std::vector<Micros> offsets;
    for (int i = 0; i <= 40; ++i) offsets.push_back(Micros(i * 25'000));
    for (Micros edge : {Micros(1), Micros(999'999), Micros(-1), Micros(3'300'000), Micros(-2'600'000),
                        Micros(-86'400'000'000LL + 123'457), Micros(750'000'000'001LL)}) {
        offsets.push_back(edge);
    }
    for (Micros roundTrip : roundTrips) {
        for (double share : outShares) {
            for (size_t i = 0; i < offsets.size(); ++i) {
                FakeTimeServer server;
                server.offset = offsets[i];
                server.out = Micros(static_cast<int64_t>(static_cast<double>(roundTrip.count()) * share));
                server.back = roundTrip - server.out;
                // The local second's phase at the start moves along too.
                const Probed probed = Probe(server, kProbeStart + Micros(static_cast<int64_t>(i) * 37'000));
                const ServerMeasurement& m = probed.result;
                const std::string what = "offset " + Ms(server.offset) + ", round trip " + Ms(roundTrip) +
                                         ", out " + Ms(server.out);
                ASSERT_TRUE(m.measured) << what << ": " << m.reason;
                EXPECT_LE(std::chrono::abs(m.offset - server.offset), m.bound) << what << ": " << Ms(m.offset);
                EXPECT_LE(m.bound, milliseconds(10) + roundTrip / 2) << what;
                EXPECT_EQ(m.shortestRoundTrip, roundTrip) << what;
                EXPECT_LE(m.answers, kMaxProbes) << what;
                EXPECT_LE(probed.end - kProbeStart, std::chrono::seconds(15)) << what;
            }
        }
    }
}

TEST(ServerProbing, ASlowFirstRequestJitterAndLateWakingsStillBoundTheOffset) {
    const struct {
        const char* what;
        Micros firstExtra;
        Micros jitterSize;
        Micros lateWake;
    } cases[] = {
        {"the first request opens the connection", milliseconds(300), Micros(0), Micros(0)},
        {"each request takes up to 15 ms longer", Micros(0), milliseconds(15), Micros(0)},
        {"every wait ends 3 ms late", Micros(0), Micros(0), milliseconds(3)},
        {"all of it", milliseconds(250), milliseconds(8), milliseconds(16)},
    };
    for (const auto& c : cases) {
        for (int phase = 0; phase < 20; ++phase) {
            FakeTimeServer server;
            server.offset = Micros(phase * 50'000 + 1'234);
            server.out = milliseconds(12);
            server.back = milliseconds(9);
            server.firstExtra = c.firstExtra;
            const int64_t size = c.jitterSize.count();
            if (size > 0) server.jitter = [size](int n) { return Micros((n * 7'919 + 13) % (size + 1)); };
            const ServerMeasurement m = Probe(server, kProbeStart, c.lateWake).result;
            ASSERT_TRUE(m.measured) << c.what;
            EXPECT_LE(std::chrono::abs(m.offset - server.offset), m.bound) << c.what << " at " << Ms(server.offset);
            EXPECT_LE(m.bound, milliseconds(10) + (milliseconds(21) + c.jitterSize) / 2)
                << c.what << " at " << Ms(server.offset);
        }
    }
}

TEST(ServerProbing, RequestsAreHeadUntilTheServerRefusesItWithFreshQueries) {
    const struct {
        uint32_t headStatus;
        ProbeMethod then;
    } cases[] = {{200, ProbeMethod::Head}, {405, ProbeMethod::Get}, {501, ProbeMethod::Get}};
    for (const auto& c : cases) {
        FakeTimeServer server;
        server.headStatus = c.headStatus;
        const ServerMeasurement m = Probe(server).result;
        ASSERT_TRUE(m.measured) << c.headStatus;
        ASSERT_GE(server.requests.size(), 3u);
        EXPECT_EQ(server.requests[0].method, ProbeMethod::Head);
        EXPECT_EQ(server.requests[1].method, c.then) << c.headStatus;
        EXPECT_EQ(server.requests.back().method, c.then) << c.headStatus;
        EXPECT_EQ(m.answers, static_cast<int>(server.requests.size()) - (c.headStatus == 200 ? 0 : 1));
        EXPECT_EQ(server.requests[0].url, "https://time.example.jp/?_=100");
        EXPECT_EQ(server.requests[1].url, "https://time.example.jp/?_=101") << "each request a query of its own";
        EXPECT_EQ(server.requests[0].deadline, kProbeStart + std::chrono::seconds(20));
    }
}

TEST(ServerProbing, AFailingRequestEndsTheProbingAndAnUntrustworthyDateTheServer) {
    const auto dateFrom = [](int from, std::vector<std::string> dates) {
        return [from, dates](int n, int64_t seconds) {
            return n >= from ? dates : std::vector<std::string>{HttpDateText(seconds)};
        };
    };
    const struct {
        const char* what;
        HttpError error;
        int failingFrom;
        uint32_t status;
        std::function<std::vector<std::string>(int, int64_t)> dates;
        std::string reason;  // empty: measured
        int answers;
    } cases[] = {
        {"no such host", HttpError::NameNotResolved, 0, 200, nullptr, sync_reason::kNameNotResolved, 0},
        {"no connection", HttpError::CannotConnect, 0, 200, nullptr, sync_reason::kNoConnection, 0},
        {"headers too large", HttpError::HeadersTooLarge, 0, 200, nullptr, sync_reason::kHeadersTooLarge, 0},
        {"certificate", HttpError::SecureChannel, 0, 200, nullptr, sync_reason::kSecureChannel, 0},
        {"closing", HttpError::Cancelled, 0, 200, nullptr, sync_reason::kCancelled, 0},
        {"redirect", HttpError::None, 0, 301, nullptr, sync_reason::StatusCode(301), 0},
        {"proxy wants credentials", HttpError::None, 0, 407, nullptr, sync_reason::kProxyRefused, 0},
        {"no Date", HttpError::None, 0, 200, dateFrom(0, {}), sync_reason::kNoDate, 0},
        {"year 1601", HttpError::None, 0, 200, dateFrom(0, {"Mon, 01 Jan 1601 00:00:00 GMT"}),
         sync_reason::DateBeforeBuild(FromMilliseconds(-11'644'473'600'000LL), kProbeBuiltOn), 0},
        // After some answers: a failed request leaves them standing...
        {"a later time-out", HttpError::Timeout, 3, 200, nullptr, "", 3},
        {"a later closed connection", HttpError::CannotConnect, 1, 200, nullptr, "", 1},
        // ... but a later Date that cannot be right takes the server out.
        {"a later 23:59:60", HttpError::None, 0, 200, dateFrom(2, {"Wed, 31 Dec 2025 23:59:60 GMT"}),
         sync_reason::kLeapSecond, 0},
        {"a later second Date", HttpError::None, 0, 200,
         dateFrom(4, {"Sun, 01 Mar 2026 12:00:05 GMT", "Sun, 01 Mar 2026 12:00:05 GMT"}),
         sync_reason::kDateDuplicated, 0},
        {"a Date that stands still", HttpError::None, 0, 200, dateFrom(0, {"Sun, 01 Mar 2026 12:00:00 GMT"}),
         sync_reason::kDatesDisagree, 0},
        {"a Date that jumps back", HttpError::None, 0, 200,
         [](int n, int64_t seconds) { return std::vector<std::string>{HttpDateText(seconds - (n >= 3 ? 5 : 0))}; },
         sync_reason::kDatesDisagree, 0},
    };
    for (const auto& c : cases) {
        FakeTimeServer server;
        server.offset = Micros(400'000);
        server.error = c.error;
        server.failingFrom = c.failingFrom;
        server.headStatus = c.status;
        server.dates = c.dates;
        const ServerMeasurement m = Probe(server).result;
        EXPECT_EQ(m.server, kUrl);
        EXPECT_EQ(m.measured, c.reason.empty()) << c.what << ": " << m.reason;
        EXPECT_EQ(m.reason, c.reason) << c.what;
        if (m.measured) {
            EXPECT_EQ(m.answers, c.answers) << c.what;
            EXPECT_LE(std::chrono::abs(m.offset - server.offset), m.bound) << c.what;
            EXPECT_GT(m.bound, milliseconds(40)) << c.what << ": fewer answers, a wider bound";
        }
    }
}

TEST(ServerProbing, TheDeadlineAndACancelledWaitEndTheProbing) {
    FakeTimeServer slow;
    slow.out = std::chrono::seconds(3);
    const Probed timedOut = Probe(slow, kProbeStart, Micros(0), std::chrono::seconds(2));
    EXPECT_EQ(timedOut.result.reason, sync_reason::kTimeout);
    EXPECT_EQ(timedOut.end, kProbeStart + std::chrono::seconds(2)) << "the request ends at the deadline";

    FakeTimeServer server;
    const int unhurried = Probe(server).result.answers;
    const Probed hurried = Probe(server, kProbeStart, Micros(0), std::chrono::milliseconds(1500));
    EXPECT_TRUE(hurried.result.measured) << "what came before the deadline stands";
    EXPECT_LE(hurried.end, kProbeStart + std::chrono::milliseconds(1500));
    EXPECT_LT(hurried.result.answers, unhurried);

    FakeProbeClock clock(kProbeStart);
    clock.cancelled = true;
    FakeProbeConnection connection(server, clock);
    const ServerMeasurement cancelled =
        MeasureServer(kUrl, connection, clock, ProbePlan{kProbeStart + std::chrono::seconds(20), kProbeBuiltOn, 0, false});
    EXPECT_FALSE(cancelled.measured);
    EXPECT_EQ(cancelled.reason, sync_reason::kCancelled);
}

TEST(ServerProbing, TheAimedMomentMeetsTheServersTickHalfARoundTripLater) {
    const LocalMoment at = LocalMoment(std::chrono::seconds(1000));
    const struct {
        Micros after;  // the earliest moment, past the whole second
        Micros roundTrip;
        Micros offset;
        Micros aimed;  // past the whole second
    } cases[] = {
        {Micros(0), Micros(0), Micros(0), Micros(0)},
        {Micros(1), Micros(0), Micros(0), Micros(1'000'000)},
        {Micros(100'000), Micros(40'000), Micros(300'000), Micros(680'000)},
        {Micros(900'000), Micros(40'000), Micros(300'000), Micros(1'680'000)},
        {Micros(0), Micros(200'000), Micros(-2'250'000), Micros(150'000)},
        {Micros(0), Micros(2'400'000), Micros(0), Micros(800'000)},
    };
    for (const auto& c : cases) {
        const LocalMoment aimed = AimedSendingMoment(at + c.after, c.roundTrip, c.offset);
        EXPECT_EQ(aimed - at, c.aimed) << Ms(c.after) << " " << Ms(c.roundTrip) << " " << Ms(c.offset);
    }
}

TEST(CacheDefeatingUrl, AQueryOfItsOwnWhereTheUrlHasNone) {
    const struct {
        const char* url;
        const char* sent;
    } cases[] = {
        {"http://time.example.jp/", "http://time.example.jp/?_=2a"},
        {"https://time.example.jp", "https://time.example.jp/?_=2a"},
        {"HTTPS://Time.example.jp:8443/index.html", "HTTPS://Time.example.jp:8443/index.html?_=2a"},
        {"http://time.example.jp/a#top", "http://time.example.jp/a?_=2a"},
        {"http://time.example.jp/search?q=1", "http://time.example.jp/search?q=1"},
        {"http://time.example.jp?q", "http://time.example.jp?q"},
        {"http://time.example.jp/#x?y", "http://time.example.jp/?_=2a"},
        {"ftp://time.example.jp/", "ftp://time.example.jp/"},
        {"time.example.jp", "time.example.jp"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(CacheDefeatingUrl(c.url, 42), c.sent) << c.url;
}

}  // namespace
}  // namespace zenka
