#include "timesync/time_sync.h"

#include <exception>

#include "common/version.h"
#include "timesync/offset_combination.h"
#include "timesync/proxy_text.h"
#include "timesync/time_servers.h"

namespace zenka {

std::string SyncUserAgent() { return std::string("Zenka/") + kVersionText; }

namespace {

double Seconds(Micros duration) { return std::chrono::duration<double>(duration).count(); }

}  // namespace

std::optional<ClockMeasureRequest> SyncMeasureRequest(const AppSettings::Sync& settings) {
    const ProxyChoice proxy = ParseProxyText(settings.proxy);
    if (proxy.kind == ProxyChoice::Kind::Invalid) return std::nullopt;
    ClockMeasureRequest request;
    request.servers = SyncServers(settings);
    if (proxy.kind == ProxyChoice::Kind::Proxy) request.way.proxy = proxy.address;
    request.way.proxyUserId = settings.proxyUserId;
    request.way.proxyPassword = settings.proxyPassword;
    request.way.userAgent = SyncUserAgent();
    request.way.accept = kSyncAccept;
    request.timeLimit = std::chrono::milliseconds(kSyncTimeLimitMs);
    return request;
}

TTimeSync::TTimeSync(const AppSettings::Sync& settings, const Clock& localClock, SoundPlayer& sound,
                     TimeSyncHost& host, SyncPlatform platform)
    : settings_(settings),
      localClock_(localClock),
      sound_(sound),
      host_(host),
      platform_(std::move(platform)),
      ownMeasurer_(std::make_unique<SingleRequestMeasurer>(platform_.http, platform_.clock)),
      measurer_(*ownMeasurer_) {}

TTimeSync::TTimeSync(const AppSettings::Sync& settings, const Clock& localClock, SoundPlayer& sound,
                     TimeSyncHost& host, SyncPlatform platform, ClockMeasurer& measurer)
    : settings_(settings),
      localClock_(localClock),
      sound_(sound),
      host_(host),
      platform_(std::move(platform)),
      measurer_(measurer) {}

bool TTimeSync::IsSyncAllowed() { return !settings_.dialOnly || DialUpConnected(platform_.dialUp); }

void TTimeSync::StartTimeSync(SyncTrigger trigger) {
    // A trigger that fires while an attempt runs (or waits for the user's
    // answer to the privilege prompt) is dropped.
    if (state_ != State::Idle) return;
    if (!IsSyncAllowed()) return;
    state_ = State::Busy;
    trigger_ = trigger;
    const uint64_t attempt = ++attempt_;
    host_.StopTick();
    host_.ShowSyncImage(SyncImage::InProgress);
    const std::optional<ClockMeasureRequest> request = SyncMeasureRequest(settings_);
    if (!request) {
        Finish({false, sync_reason::kProxyText});
        return;
    }
    measuring_ = true;
    try {
        measurer_.Measure(*request,
                          [this, attempt](const ClockMeasurement& measurement) { OnMeasured(attempt, measurement); });
    } catch (const std::exception&) {
        // An error of the finish itself goes on; one of the measurement
        // ends the attempt, which shows no message: the finish and the
        // report tell.
        if (!measuring_ || attempt != attempt_) throw;
        measuring_ = false;
        Finish({false, sync_reason::kUnexpected});
    }
}

void TTimeSync::CancelTimeSync() {
    if (!measuring_) return;
    measuring_ = false;
    measurer_.Cancel();
    state_ = State::Idle;
}

void TTimeSync::OnMeasured(uint64_t attempt, const ClockMeasurement& measurement) {
    if (!measuring_ || attempt != attempt_) return;
    measuring_ = false;
    Outcome outcome;
    try {
        outcome = SetClock(measurement);
    } catch (const std::exception&) {
        outcome = {false, sync_reason::kUnexpected};
    }
    Finish(std::move(outcome));
}

TTimeSync::Outcome TTimeSync::SetClock(const ClockMeasurement& measurement) {
    const CombinedOffset& combined = measurement.combined;
    if (!combined.found) return {false, combined.reason};
    Outcome outcome;
    for (size_t i : combined.used) outcome.servers.push_back(measurement.servers[i].server);
    outcome.boundSeconds = Seconds(combined.bound);
    // From the local time now, not from a time read before the measurement
    // ended: the wait for it has passed since.
    const LocalMoment now = measurer_.LocalNow();
    const SystemTime utc = ClockSettingTime(now, combined.offset, settings_.adjustment);
    outcome.offsetSeconds = Seconds(ToLocalMoment(utc) - now);
    switch (platform_.clock.SetSystemTime(utc)) {
        case ClockSetResult::Set: outcome.succeeded = true; break;
        case ClockSetResult::NotPermitted:
            // Only the user's own command may bring up the privilege prompt.
            outcome.succeeded = trigger_ == SyncTrigger::Menu && platform_.elevated.SetClockElevated(utc);
            if (!outcome.succeeded) outcome.reason = sync_reason::kNotPermitted;
            break;
        case ClockSetResult::Refused: outcome.reason = sync_reason::kClockRefused; break;
    }
    return outcome;
}

void TTimeSync::Finish(Outcome outcome) {
    report_ = SyncReport{localClock_.Now(), outcome.succeeded, std::move(outcome.reason), outcome.offsetSeconds,
                         outcome.boundSeconds, std::move(outcome.servers)};
    // Until the result's pause is over no attempt starts, not even from
    // the tick that the finish runs; a finish that fails before it goes
    // back to idle at once.
    try {
        if (report_->succeeded) {
            FinishSyncSucceeded();
        } else {
            FinishSyncFailed();
        }
        host_.ShowSyncImage(report_->succeeded ? SyncImage::Succeeded : SyncImage::Failed);
    } catch (...) {
        state_ = State::Idle;
        throw;
    }
    ShowResult();
}

void TTimeSync::FinishSyncSucceeded() {
    state_ = State::Succeeded;
    if (settings_.soundOn) {
        try {
            sound_.PlaySoundFile(settings_.tSoundName);
        } catch (const std::exception&) {
            // The clock is set; a missing or unplayable sound is not worth a word.
        }
    }
    host_.RecordSyncDay();
}

void TTimeSync::FinishSyncFailed() {
    state_ = State::Failed;
    host_.RecordSyncDay();
}

void TTimeSync::ShowResult() {
    const auto restart = [this] {
        struct BackToIdle {
            State& state;
            ~BackToIdle() { state = State::Idle; }
        } backToIdle{state_};
        host_.RestartTick();
    };
    if (platform_.pause) {
        platform_.pause(kSyncResultPauseMs, restart);
    } else {
        restart();
    }
}

}  // namespace zenka
