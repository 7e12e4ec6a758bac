// One synchronisation of the system clock with web servers' Date headers,
// StartTimeSync: the dial-up gate, the measurement of the clock against the
// servers, the setting of the clock from the local time at that moment
// plus the offset found, and a finish that shows the result on the tray
// icons for a second. It runs on the main thread; the measurement may run
// elsewhere meanwhile and report back later, or block for its time limit.
// The tick is stopped meanwhile and runs again at the end.
//
// Every attempt that passes the gate ends in exactly one finish, success or
// failure, and each finish writes today's day stamp before it runs the tick
// again, so the daily check in that tick starts no second attempt.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/app_settings.h"
#include "common/clock.h"
#include "common/sound_player.h"
#include "timesync/clock_measurement.h"
#include "timesync/clock_setter.h"
#include "timesync/dial_up.h"
#include "timesync/http_client.h"
#include "timesync/single_request_measurer.h"
#include "timesync/sync_reasons.h"
#include "timesync/sync_report.h"

namespace zenka {

// What started an attempt. Only the menu command, where the user is at
// hand, may ask for the privilege to set the clock.
enum class SyncTrigger { Menu, Startup, Interval, Daily };

enum class SyncImage { InProgress, Failed, Succeeded };

// What an attempt asks of the main window.
class TimeSyncHost {
public:
    virtual ~TimeSyncHost() = default;
    // Puts the image on all three tray icons, shown or not.
    virtual void ShowSyncImage(SyncImage image) = 0;
    virtual void StopTick() = 0;
    // Redraws the date icons (today's schedule notice only on a new day),
    // enables the tick and runs it once, so the date icons come back at once.
    virtual void RestartTick() = 0;
    // Today's date in the short date format becomes the day stamp, in
    // memory and, at once, in the settings store.
    virtual void RecordSyncDay() = 0;
};

// The platform services of an attempt; each must outlive it.
struct SyncPlatform {
    HttpClient& http;
    ClockSetter& clock;
    ElevatedClockSetter& elevated;
    DialUpConnections& dialUp;
    // Shows the result image for the given milliseconds: calls `then` once
    // they have passed, from the message loop, never blocking meanwhile.
    // Missing: `then` at once.
    std::function<void(uint32_t milliseconds, std::function<void()> then)> pause;
};

// The request every attempt sends.
inline constexpr char kSyncAccept[] = "text/html, */*";
inline constexpr uint32_t kSyncTimeLimitMs = 20000;
inline constexpr uint32_t kSyncResultPauseMs = 1000;
std::string SyncUserAgent();  // "Zenka/6.7"

// What an attempt measures with: the server, the proxy and its
// credentials, and the request's fixed properties from the settings.
// Nothing when the proxy is not of the form host:port.
std::optional<ClockMeasureRequest> SyncMeasureRequest(const AppSettings::Sync& settings);

class TTimeSync {
public:
    enum class State { Idle, Busy, Succeeded, Failed };

    // settings: the Sync section, read anew by every attempt; localClock
    // tells when an attempt ended. Everything must outlive the object. The
    // clock is measured with one GET through platform.http.
    TTimeSync(const AppSettings::Sync& settings, const Clock& localClock, SoundPlayer& sound, TimeSyncHost& host,
              SyncPlatform platform);
    // The clock is measured by `measurer`, which must outlive the object.
    TTimeSync(const AppSettings::Sync& settings, const Clock& localClock, SoundPlayer& sound, TimeSyncHost& host,
              SyncPlatform platform, ClockMeasurer& measurer);

    // Does nothing while the gate refuses or while an attempt runs.
    void StartTimeSync(SyncTrigger trigger);
    // With "dial-up only" on, only while a dial-up connection is up.
    bool IsSyncAllowed();
    // The program is closing: a measurement that runs is ended, and the
    // attempt with it, without a finish.
    void CancelTimeSync();

    State CurrentState() const { return state_; }
    const std::optional<SyncReport>& LastReport() const { return report_; }

private:
    struct Outcome {
        bool succeeded = false;
        std::string reason;
        std::optional<double> offsetSeconds = std::nullopt;
        std::optional<double> boundSeconds = std::nullopt;
        std::vector<std::string> servers = {};
    };

    void OnMeasured(uint64_t attempt, const ClockMeasurement& measurement);
    Outcome SetClock(const ClockMeasurement& measurement);
    void Finish(Outcome outcome);
    void FinishSyncSucceeded();
    void FinishSyncFailed();
    void ShowResult();

    const AppSettings::Sync& settings_;
    const Clock& localClock_;
    SoundPlayer& sound_;
    TimeSyncHost& host_;
    SyncPlatform platform_;
    std::unique_ptr<ClockMeasurer> ownMeasurer_;
    ClockMeasurer& measurer_;
    State state_ = State::Idle;
    SyncTrigger trigger_ = SyncTrigger::Menu;
    bool measuring_ = false;
    uint64_t attempt_ = 0;  // counts attempts, so that a late report of an ended one is ignored
    std::optional<SyncReport> report_;
};

}  // namespace zenka
