// The measurement of the clock against several fake servers at once.
#include "timesync/clock_measurement.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fakes/fake_time_servers.h"
#include "timesync/sync_reasons.h"

namespace zenka {
namespace {

using std::chrono::milliseconds;

const SystemTime kBuiltOn = FromMilliseconds(int64_t{1'767'225'600} * 1000);  // 2026-01-01
const LocalMoment kStart = LocalMoment(std::chrono::seconds(1'772'366'400)) + Micros(600'000);

ClockMeasureRequest RequestFor(std::vector<std::string> servers) {
    ClockMeasureRequest request;
    request.servers = std::move(servers);
    request.way.proxy = ProxyAddress{"cache", 8080};
    request.way.userAgent = "Zenka/test";
    request.way.accept = "text/html, */*";
    request.builtOn = kBuiltOn;
    return request;
}

TEST(ClockMeasurement, ServersAreProbedSideBySideWithinTheLimitAndFalseTickersLeftOut) {
    FakeProbeClock clock(kStart);
    FakeProbeTransport transport(clock);
    const struct {
        const char* url;
        int64_t offsetMs;
        int64_t roundTripMs;
    } servers[] = {
        {"https://a.example.jp/", 734, 20},
        {"https://b.example.jp/", 738, 60},
        {"https://c.example.jp/", 5734, 20},  // a false ticker
        {"https://d.example.jp/", 731, 200},
    };
    std::vector<std::string> urls;
    for (const auto& s : servers) {
        FakeTimeServer& server = transport.servers[s.url];
        server.offset = milliseconds(s.offsetMs);
        server.out = milliseconds(s.roundTripMs / 2);
        server.back = milliseconds(s.roundTripMs / 2);
        urls.push_back(s.url);
    }
    urls.push_back("https://nowhere.example.jp/");

    const ClockMeasurement m = MeasureClock(RequestFor(urls), transport, clock);
    ASSERT_EQ(m.servers.size(), 5u);
    for (size_t i = 0; i < 4; ++i) {
        const ServerMeasurement& server = m.servers[i];
        EXPECT_EQ(server.server, servers[i].url);
        ASSERT_TRUE(server.measured) << server.server << ": " << server.reason;
        EXPECT_LE(std::chrono::abs(server.offset - milliseconds(servers[i].offsetMs)), server.bound) << server.server;
        const std::vector<ProbeRequest>& requests = transport.servers[servers[i].url].requests;
        EXPECT_LE(requests.back().deadline, kStart + std::chrono::seconds(20));
        EXPECT_GE(requests.size(), 8u) << "each server has its own time: " << server.server;
    }
    EXPECT_EQ(m.servers[4].reason, sync_reason::kProxyNameNotResolved) << "through the proxy";
    ASSERT_TRUE(m.combined.found) << m.combined.reason;
    EXPECT_EQ(m.combined.used, (std::vector<size_t>{0, 1, 3}));
    EXPECT_LE(std::chrono::abs(m.combined.offset - milliseconds(734)), m.combined.bound);
    EXPECT_LE(m.combined.bound, milliseconds(10 + 100));

    // Every connection goes the same way, and the queries differ between
    // servers too.
    ASSERT_EQ(transport.opened.size(), 5u);
    for (const HttpTarget& target : transport.opened) {
        EXPECT_EQ(target.proxy, (ProxyAddress{"cache", 8080}));
        EXPECT_EQ(target.userAgent, "Zenka/test");
    }
    EXPECT_NE(transport.servers["https://a.example.jp/"].requests[0].url.substr(21),
              transport.servers["https://b.example.jp/"].requests[0].url.substr(21));
}

TEST(ClockMeasurement, ClosingEndsEveryServersProbingAndAnEmptyListIsRefused) {
    FakeProbeClock clock(kStart);
    FakeProbeTransport transport(clock);
    transport.servers["https://a.example.jp/"];
    transport.servers["https://b.example.jp/"];
    clock.cancelled = true;
    const ClockMeasurement cancelled =
        MeasureClock(RequestFor({"https://a.example.jp/", "https://b.example.jp/"}), transport, clock);
    for (const ServerMeasurement& server : cancelled.servers) EXPECT_EQ(server.reason, sync_reason::kCancelled);
    EXPECT_FALSE(cancelled.combined.found);

    const ClockMeasurement none = MeasureClock(RequestFor({}), transport, clock);
    EXPECT_TRUE(none.servers.empty());
    EXPECT_EQ(none.combined.reason, sync_reason::kNoServer);
}

}  // namespace
}  // namespace zenka
