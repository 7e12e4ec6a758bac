// Stand-ins for a clock measurement's clock and its time servers. The
// servers' clocks run at a known offset from the local one, their seconds
// ticking over at a known phase of the local second, and each request
// takes a known time each way; nothing waits for real time to pass.
#pragma once

#include <algorithm>
#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "timesync/date_header.h"
#include "timesync/probe_clock.h"
#include "timesync/probe_transport.h"

namespace zenka {

// Each thread lives a time line of its own, from `start` on: its waits
// and its requests take time on that line only, as if the servers were
// asked side by side. One measurement to a clock, since a later thread may
// be given the identity of an ended one.
class FakeProbeClock : public ProbeClock {
public:
    explicit FakeProbeClock(LocalMoment start) : start_(start) {}
    LocalMoment Now() const override {
        const std::lock_guard lock(mutex_);
        return Line();
    }
    bool WaitUntil(LocalMoment moment) override {
        if (cancelled) return false;
        const std::lock_guard lock(mutex_);
        Line() = std::max(Line(), moment + lateWake);
        return true;
    }
    void Advance(Micros duration) {
        const std::lock_guard lock(mutex_);
        Line() += duration;
    }
    // Every wait ends this late, as a system's timer does.
    Micros lateWake{0};
    std::atomic<bool> cancelled = false;

private:
    LocalMoment& Line() const { return lines_.try_emplace(std::this_thread::get_id(), start_).first->second; }

    mutable std::mutex mutex_;
    const LocalMoment start_;
    mutable std::map<std::thread::id, LocalMoment> lines_;
};

// A server whose clock runs `offset` ahead of the local one.
struct FakeTimeServer {
    Micros offset{0};
    // The time each request takes to the server, where the Date is stamped,
    // and back; the first also opens the connection.
    Micros out{20'000};
    Micros back{20'000};
    Micros firstExtra{0};
    // Added to `out` of the request of that number (0 the first).
    std::function<Micros(int)> jitter;
    uint32_t headStatus = 200;
    uint32_t getStatus = 200;
    // From the request of that number on, every request fails so.
    HttpError error = HttpError::None;
    int failingFrom = 0;
    // The Date headers of the answer to request `n` stamped in the server's
    // second `seconds`; by default the usual one.
    std::function<std::vector<std::string>(int n, int64_t seconds)> dates;
    std::vector<ProbeRequest> requests;  // as they came
};

class FakeProbeConnection : public ProbeConnection {
public:
    FakeProbeConnection(FakeTimeServer& server, FakeProbeClock& clock) : server_(server), clock_(clock) {}
    ProbeAnswer Probe(const ProbeRequest& request) override {
        const int n = static_cast<int>(server_.requests.size());
        server_.requests.push_back(request);
        ProbeAnswer answer;
        answer.sent = clock_.Now();
        answer.received = answer.sent;
        if (server_.error != HttpError::None && n >= server_.failingFrom) {
            answer.error = server_.error;
            return answer;
        }
        const Micros out =
            server_.out + (n == 0 ? server_.firstExtra : Micros(0)) + (server_.jitter ? server_.jitter(n) : Micros(0));
        const LocalMoment stamped = answer.sent + out;
        if (stamped + server_.back > request.deadline) {
            clock_.Advance(std::max(Micros(0), request.deadline - answer.sent));
            answer.error = HttpError::Timeout;
            return answer;
        }
        clock_.Advance(out + server_.back);
        answer.received = clock_.Now();
        answer.status = request.method == ProbeMethod::Head ? server_.headStatus : server_.getStatus;
        const int64_t second =
            std::chrono::floor<std::chrono::seconds>(stamped + server_.offset).time_since_epoch().count();
        answer.dates = server_.dates ? server_.dates(n, second) : std::vector<std::string>{HttpDateText(second)};
        return answer;
    }

private:
    FakeTimeServer& server_;
    FakeProbeClock& clock_;
};

// The servers by URL; any other URL is a host that cannot be found.
class FakeProbeTransport : public ProbeTransport {
public:
    explicit FakeProbeTransport(FakeProbeClock& clock) : clock_(clock) {}
    std::unique_ptr<ProbeConnection> Open(const HttpTarget& target) override {
        {
            const std::lock_guard lock(mutex_);
            opened.push_back(target);
        }
        const auto found = servers.find(target.url);
        if (found == servers.end()) return std::make_unique<NoSuchHost>(clock_);
        return std::make_unique<FakeProbeConnection>(found->second, clock_);
    }
    std::map<std::string, FakeTimeServer> servers;
    std::vector<HttpTarget> opened;

private:
    class NoSuchHost : public ProbeConnection {
    public:
        explicit NoSuchHost(const ProbeClock& clock) : clock_(clock) {}
        ProbeAnswer Probe(const ProbeRequest&) override {
            return {HttpError::NameNotResolved, 0, {}, clock_.Now(), clock_.Now()};
        }

    private:
        const ProbeClock& clock_;
    };

    FakeProbeClock& clock_;
    std::mutex mutex_;
};

}  // namespace zenka
