// Stand-ins for the platform services of a clock synchronisation: the HTTP
// client, the system clock and its elevated helper, the dial-up
// connections, and the main window's side of an attempt. None of them
// touches the real clock.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "timesync/clock_setter.h"
#include "timesync/dial_up.h"
#include "timesync/http_client.h"
#include "timesync/time_sync.h"

namespace zenka {

// Answers every request with `response` and keeps the requests.
class FakeHttpClient : public HttpClient {
public:
    HttpResponse Get(const HttpRequest& request) override {
        requests.push_back(request);
        if (whileWaiting) whileWaiting();
        return response;
    }
    HttpResponse response{HttpError::None, 200, "Sun, 06 Nov 1994 08:49:37 GMT"};
    std::vector<HttpRequest> requests;
    // Runs while the request would block: a timer that fires meanwhile.
    std::function<void()> whileWaiting;
};

// A clock that tells `now` and records what it is set to, with the answer
// given in `result`.
class FakeClockSetter : public ClockSetter {
public:
    SystemTime UtcNow() const override { return now; }
    ClockSetResult SetSystemTime(const SystemTime& utc) override {
        setTo.push_back(utc);
        if (whenSet) whenSet();
        if (result == ClockSetResult::Set) now = utc;
        return result;
    }
    SystemTime now;
    ClockSetResult result = ClockSetResult::Set;
    std::vector<SystemTime> setTo;
    std::function<void()> whenSet;  // at the moment of each setting
};

class FakeElevatedClockSetter : public ElevatedClockSetter {
public:
    bool SetClockElevated(const SystemTime& utc) override {
        setTo.push_back(utc);
        if (whenSet) whenSet();
        return succeeds;
    }
    bool succeeds = true;
    std::vector<SystemTime> setTo;
    std::function<void()> whenSet;  // at the moment of each setting
};

// Connections by handle with their states; the first in the list is the
// first the system reports. Every question is logged.
class FakeDialUpConnections : public DialUpConnections {
public:
    std::optional<uintptr_t> FirstConnection() override {
        log.push_back("list");
        if (connections.empty()) return std::nullopt;
        return connections.front().first;
    }
    std::optional<uint32_t> ConnectState(uintptr_t connection) override {
        log.push_back("state " + std::to_string(connection));
        for (const auto& [handle, state] : connections) {
            if (handle == connection) return state;
        }
        return std::nullopt;
    }
    std::vector<std::pair<uintptr_t, uint32_t>> connections;
    std::vector<std::string> log;
};

// The main window's side, as a log of what the attempt asked for.
class FakeSyncHost : public TimeSyncHost {
public:
    explicit FakeSyncHost(std::vector<std::string>& log) : log_(log) {}
    void ShowSyncImage(SyncImage image) override {
        static const char* const kNames[] = {"in progress", "failed", "succeeded"};
        log_.push_back(std::string("image ") + kNames[static_cast<int>(image)]);
    }
    void StopTick() override { log_.push_back("stop tick"); }
    void RestartTick() override {
        log_.push_back("restart tick");
        if (whileTicking) whileTicking();
    }
    void RecordSyncDay() override { log_.push_back("day stamp"); }
    // Runs inside the restarted tick: the tick's daily check, say.
    std::function<void()> whileTicking;

private:
    std::vector<std::string>& log_;
};

}  // namespace zenka
