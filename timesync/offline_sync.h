// Platform services for an attempt that can reach neither a server nor the
// clock: every request finds no connection and the clock refuses every
// time. A main window made without the real services (a demo, a test)
// runs on these, so it can never set the computer's clock.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <utility>

#include "timesync/time_sync.h"

namespace zenka {

class OfflineSync : private HttpClient,
                    private ClockSetter,
                    private ElevatedClockSetter,
                    private DialUpConnections,
                    private ClockMeasurer {
public:
    SyncPlatform Platform() { return {*this, *this, *this, *this, nullptr}; }
    ClockMeasurer& Measurer() { return *this; }

private:
    LocalMoment LocalNow() const override { return ToLocalMoment(UtcNow()); }
    // Every server unreachable, at once.
    void Measure(const ClockMeasureRequest& request, std::function<void(ClockMeasurement)> done) override {
        ClockMeasurement measurement;
        for (const std::string& server : request.servers) {
            ServerMeasurement unreachable;
            unreachable.server = server;
            unreachable.reason = sync_reason::kNoConnection;
            measurement.servers.push_back(unreachable);
        }
        measurement.combined = CombineOffsets(measurement.servers);
        done(std::move(measurement));
    }
    void Cancel() override {}
    HttpResponse Get(const HttpRequest&) override { return {HttpError::CannotConnect, 0, {}}; }
    SystemTime UtcNow() const override {
        const auto now = std::chrono::time_point_cast<std::chrono::milliseconds>(std::chrono::system_clock::now());
        return FromMilliseconds(now.time_since_epoch().count());
    }
    ClockSetResult SetSystemTime(const SystemTime&) override { return ClockSetResult::Refused; }
    bool SetClockElevated(const SystemTime&) override { return false; }
    std::optional<uintptr_t> FirstConnection() override { return std::nullopt; }
    std::optional<uint32_t> ConnectState(uintptr_t) override { return std::nullopt; }
};

}  // namespace zenka
