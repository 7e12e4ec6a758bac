#include "timesync/time_sync.h"

#include <cmath>
#include <exception>

#include "common/version.h"
#include "timesync/date_header.h"
#include "timesync/proxy_text.h"

namespace zenka {

std::string SyncUserAgent() { return std::string("Zenka/") + kVersionText; }

namespace {

// Seconds with one decimal.
double OffsetSeconds(const SystemTime& later, const SystemTime& earlier) {
    const int64_t milliseconds = ToMilliseconds(later) - ToMilliseconds(earlier);
    return std::round(static_cast<double>(milliseconds) / 100.0) / 10.0;
}

}  // namespace

TTimeSync::TTimeSync(const AppSettings::Sync& settings, const Clock& localClock, SoundPlayer& sound,
                     TimeSyncHost& host, SyncPlatform platform)
    : settings_(settings), localClock_(localClock), sound_(sound), host_(host), platform_(std::move(platform)) {}

bool TTimeSync::IsSyncAllowed() { return !settings_.dialOnly || DialUpConnected(platform_.dialUp); }

void TTimeSync::StartTimeSync(SyncTrigger trigger) {
    // A trigger that fires while an attempt waits (for the user's answer to
    // the privilege prompt, say) is dropped.
    if (state_ != State::Idle) return;
    if (!IsSyncAllowed()) return;
    // Back to idle however the finish ends; until then no attempt starts,
    // not even from the tick that the finish runs.
    struct BackToIdle {
        State& state;
        ~BackToIdle() { state = State::Idle; }
    } backToIdle{state_};
    state_ = State::Busy;
    host_.StopTick();
    host_.ShowSyncImage(SyncImage::InProgress);
    Outcome outcome;
    try {
        outcome = Attempt(trigger);
    } catch (const std::exception&) {
        // An attempt shows no message; the finish and the report tell.
        outcome = {false, sync_reason::kUnexpected, std::nullopt};
    }
    report_ = SyncReport{localClock_.Now(), outcome.succeeded, outcome.reason, outcome.offsetSeconds};
    if (outcome.succeeded) {
        FinishSyncSucceeded();
    } else {
        FinishSyncFailed();
    }
}

TTimeSync::Outcome TTimeSync::Attempt(SyncTrigger trigger) {
    const ProxyChoice proxy = ParseProxyText(settings_.proxy);
    if (proxy.kind == ProxyChoice::Kind::Invalid) return {false, sync_reason::kProxyText, std::nullopt};

    HttpRequest request;
    request.url = settings_.server;
    if (proxy.kind == ProxyChoice::Kind::Proxy) request.proxy = proxy.address;
    request.proxyUserId = settings_.proxyUserId;
    request.proxyPassword = settings_.proxyPassword;
    request.userAgent = SyncUserAgent();
    request.accept = kSyncAccept;
    request.timeLimitMs = kSyncTimeLimitMs;
    const HttpResponse response = platform_.http.Get(request);

    if (response.error != HttpError::None) {
        return {false, sync_reason::OfHttpError(response.error, request.proxy.has_value()), std::nullopt};
    }
    // A redirect or an error status is not the server's answer; its Date
    // header is not used.
    if (response.status < 200 || response.status > 299) {
        return {false, sync_reason::OfStatus(response.status), std::nullopt};
    }
    const std::optional<SystemTime> serverTime = EvaluateDateHeader(response.date);
    if (!serverTime) return {false, sync_reason::kNoDate, std::nullopt};
    const SystemTime utc =
        settings_.adjustment != 0 ? AddTenthsOfSecond(*serverTime, settings_.adjustment) : *serverTime;
    return SetClock(utc, trigger);
}

TTimeSync::Outcome TTimeSync::SetClock(const SystemTime& utc, SyncTrigger trigger) {
    Outcome outcome;
    outcome.offsetSeconds = OffsetSeconds(utc, platform_.clock.UtcNow());
    switch (platform_.clock.SetSystemTime(utc)) {
        case ClockSetResult::Set: outcome.succeeded = true; break;
        case ClockSetResult::NotPermitted:
            // Only the user's own command may bring up the privilege prompt.
            outcome.succeeded = trigger == SyncTrigger::Menu && platform_.elevated.SetClockElevated(utc);
            if (!outcome.succeeded) outcome.reason = sync_reason::kNotPermitted;
            break;
        case ClockSetResult::Refused: outcome.reason = sync_reason::kClockRefused; break;
    }
    return outcome;
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
    ShowResult(SyncImage::Succeeded);
}

void TTimeSync::FinishSyncFailed() {
    state_ = State::Failed;
    host_.RecordSyncDay();
    ShowResult(SyncImage::Failed);
}

void TTimeSync::ShowResult(SyncImage image) {
    host_.ShowSyncImage(image);
    if (platform_.pause) platform_.pause(kSyncResultPauseMs);
    host_.RestartTick();
}

}  // namespace zenka
