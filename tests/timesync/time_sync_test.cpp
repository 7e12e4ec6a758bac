// One synchronisation attempt with a fake server, a fake clock and a fake
// main window: what it asks for, what it sets the clock to, how it
// finishes, and what it reports.
#include "timesync/time_sync.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "common/version.h"
#include "tests/fakes/fake_clock.h"
#include "tests/fakes/fake_sync_services.h"
#include "tests/fakes/fake_tick_services.h"
#include "tests/timesync/utc_time.h"

namespace zenka {
namespace {

using testing::Utc;

const SystemTime kServerTime = Utc(1994, 11, 6, 8, 49, 37, 500);  // the fake server's Date, plus 500 ms

class TimeSyncTest : public ::testing::Test {
protected:
    TimeSyncTest() {
        clock.now = Utc(1994, 11, 6, 8, 49, 30, 0);
        localClock.Set(1994, 11, 6);
        localClock.SetTime(17, 49, 37);
    }

    void Sync(SyncTrigger trigger = SyncTrigger::Interval) { timeSync.StartTimeSync(trigger); }
    std::vector<std::string> Finish(const char* image) {
        return {"stop tick", "image in progress", "day stamp", std::string("image ") + image, "pause 1000",
                "restart tick"};
    }

    EventLog log;
    AppSettings::Sync settings;
    FakeClock localClock{1994, 11, 6};
    FakeSoundPlayer sound{log};
    FakeSyncHost host{log};
    FakeHttpClient http;
    FakeClockSetter clock;
    FakeElevatedClockSetter elevated;
    FakeDialUpConnections dialUp;
    TTimeSync::State stateDuringPause = TTimeSync::State::Idle;
    TTimeSync timeSync{settings, localClock, sound, host,
                       SyncPlatform{http, clock, elevated, dialUp, [this](uint32_t ms) {
                                        log.push_back("pause " + std::to_string(ms));
                                        stateDuringPause = timeSync.CurrentState();
                                    }}};
};

TEST_F(TimeSyncTest, ASuccessfulAttemptSetsTheServersTimeAndFinishesInOrder) {
    settings.server = "http://time.example.jp/index.html?q=1";
    settings.soundOn = true;
    settings.tSoundName = "C:\\sounds\\done.wav";
    Sync();

    ASSERT_EQ(http.requests.size(), 1u);
    const HttpRequest& request = http.requests[0];
    EXPECT_EQ(request.url, settings.server) << "the URL exactly as stored";
    EXPECT_EQ(request.userAgent, std::string("Zenka/") + kVersionText) << "a user agent servers accept";
    EXPECT_EQ(request.accept, "text/html, */*");
    EXPECT_EQ(request.timeLimitMs, 20000u);
    EXPECT_FALSE(request.proxy.has_value());

    EXPECT_EQ(clock.setTo, std::vector<SystemTime>{kServerTime});
    EXPECT_TRUE(elevated.setTo.empty());
    std::vector<std::string> expected = Finish("succeeded");
    expected.insert(expected.begin() + 2, "play:C:\\sounds\\done.wav");
    EXPECT_EQ(log, expected) << "sound, day stamp, result image for a second, then the tick";
    EXPECT_EQ(stateDuringPause, TTimeSync::State::Succeeded);
    EXPECT_EQ(timeSync.CurrentState(), TTimeSync::State::Idle);

    ASSERT_TRUE(timeSync.LastReport().has_value());
    const SyncReport& report = *timeSync.LastReport();
    EXPECT_TRUE(report.succeeded);
    EXPECT_EQ(report.reason, "");
    EXPECT_EQ(report.offsetSeconds, 7.5) << "server time minus the clock before it was set";
    EXPECT_EQ(report.finishedAt.hour, 17);
    EXPECT_EQ(report.finishedAt.second, 37);
}

TEST_F(TimeSyncTest, TheAdjustmentMovesTheTimeSetAndTheOffsetHasOneDecimal) {
    const struct {
        int32_t adjustment;
        SystemTime set;
        SystemTime clockBefore;
        double offset;
    } cases[] = {
        {0, kServerTime, Utc(1994, 11, 6, 8, 49, 37, 560), -0.1},
        {-15, Utc(1994, 11, 6, 8, 49, 36, 0), Utc(1994, 11, 6, 8, 49, 36, 0), 0.0},
        {25, Utc(1994, 11, 6, 8, 49, 40, 0), Utc(1994, 11, 6, 8, 50, 40, 0), -60.0},
        {36000, Utc(1994, 11, 6, 9, 49, 37, 500), Utc(1994, 11, 5, 9, 49, 37, 440), 86400.1},
    };
    for (const auto& c : cases) {
        settings.adjustment = c.adjustment;
        clock.now = c.clockBefore;
        clock.setTo.clear();
        Sync();
        EXPECT_EQ(clock.setTo, std::vector<SystemTime>{c.set}) << "Adjustment " << c.adjustment;
        EXPECT_EQ(timeSync.LastReport()->offsetSeconds, c.offset) << "Adjustment " << c.adjustment;
    }
}

TEST_F(TimeSyncTest, EveryFailureEndsInOneFailedFinishWithItsReason) {
    const char* const date = "Sun, 06 Nov 1994 08:49:37 GMT";
    const struct {
        const char* what;
        const char* proxy;
        HttpError error;
        uint32_t status;
        const char* date;
        ClockSetResult clockAnswer;
        const char* reason;  // null: the status code's text
        bool requested;
        bool clockSet;
    } cases[] = {
        {"proxy without a port", "cache", HttpError::None, 200, date, ClockSetResult::Set, sync_reason::kProxyText,
         false, false},
        {"proxy a:b:c", "a:b:c", HttpError::None, 200, date, ClockSetResult::Set, sync_reason::kProxyText, false,
         false},
        {"bad URL", "", HttpError::BadUrl, 0, "", ClockSetResult::Set, sync_reason::kBadUrl, true, false},
        {"unknown host", "", HttpError::NameNotResolved, 0, "", ClockSetResult::Set, sync_reason::kNameNotResolved,
         true, false},
        {"unknown proxy", "cache:8080", HttpError::NameNotResolved, 0, "", ClockSetResult::Set,
         sync_reason::kProxyNameNotResolved, true, false},
        {"no connection", "", HttpError::CannotConnect, 0, "", ClockSetResult::Set, sync_reason::kNoConnection, true,
         false},
        {"no proxy connection", "cache:8080", HttpError::CannotConnect, 0, "", ClockSetResult::Set,
         sync_reason::kNoProxyConnection, true, false},
        {"time-out", "", HttpError::Timeout, 0, "", ClockSetResult::Set, sync_reason::kTimeout, true, false},
        {"certificate", "", HttpError::SecureChannel, 0, "", ClockSetResult::Set, sync_reason::kSecureChannel, true,
         false},
        {"other error", "", HttpError::Other, 0, "", ClockSetResult::Set, sync_reason::kHttpFailed, true, false},
        // A redirect or an error status has a Date header too; it is not used.
        {"redirect", "", HttpError::None, 301, date, ClockSetResult::Set, nullptr, true, false},
        {"server error", "", HttpError::None, 500, date, ClockSetResult::Set, nullptr, true, false},
        {"informational", "", HttpError::None, 101, date, ClockSetResult::Set, nullptr, true, false},
        {"proxy refused", "cache:8080", HttpError::None, 407, date, ClockSetResult::Set, sync_reason::kProxyRefused,
         true, false},
        {"no Date", "", HttpError::None, 200, "", ClockSetResult::Set, sync_reason::kNoDate, true, false},
        {"garbage Date", "", HttpError::None, 200, "yesterday at noon", ClockSetResult::Set, sync_reason::kNoDate,
         true, false},
        {"no privilege", "", HttpError::None, 200, date, ClockSetResult::NotPermitted, sync_reason::kNotPermitted,
         true, true},
        {"refused clock", "", HttpError::None, 200, date, ClockSetResult::Refused, sync_reason::kClockRefused, true,
         true},
    };
    settings.soundOn = true;
    settings.tSoundName = "done.wav";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        log.clear();
        http.requests.clear();
        clock.setTo.clear();
        settings.proxy = c.proxy;
        http.response = {c.error, c.status, c.date};
        clock.result = c.clockAnswer;
        Sync();
        EXPECT_EQ(http.requests.size(), c.requested ? 1u : 0u);
        EXPECT_EQ(clock.setTo.size(), c.clockSet ? 1u : 0u);
        EXPECT_EQ(log, Finish("failed")) << "no sound, the day stamp, the failed image, the tick";
        ASSERT_TRUE(timeSync.LastReport().has_value());
        EXPECT_FALSE(timeSync.LastReport()->succeeded);
        EXPECT_EQ(timeSync.LastReport()->reason, c.reason ? c.reason : sync_reason::StatusCode(c.status));
        EXPECT_EQ(timeSync.LastReport()->offsetSeconds.has_value(), c.clockSet) << "known once the time was read";
        EXPECT_EQ(timeSync.CurrentState(), TTimeSync::State::Idle);
    }
    EXPECT_TRUE(elevated.setTo.empty()) << "an automatic attempt never asks for the privilege";
}

TEST_F(TimeSyncTest, TheProxyAndItsCredentialsGoWithTheRequest) {
    settings.proxy = "cache:8080";
    settings.proxyUserId = "taro";
    settings.proxyPassword = "p:ss";
    Sync();
    ASSERT_EQ(http.requests.size(), 1u);
    EXPECT_EQ(http.requests[0].proxy, (ProxyAddress{"cache", 8080}));
    EXPECT_EQ(http.requests[0].proxyUserId, "taro");
    EXPECT_EQ(http.requests[0].proxyPassword, "p:ss");
    settings.proxy = "  ";
    Sync();
    EXPECT_FALSE(http.requests[1].proxy.has_value()) << "blank means direct";
}

TEST_F(TimeSyncTest, OnlyTheMenuCommandSetsARefusedClockThroughTheElevatedHelper) {
    clock.result = ClockSetResult::NotPermitted;
    for (SyncTrigger trigger : {SyncTrigger::Startup, SyncTrigger::Interval, SyncTrigger::Daily}) {
        Sync(trigger);
        EXPECT_FALSE(timeSync.LastReport()->succeeded);
    }
    EXPECT_TRUE(elevated.setTo.empty());

    Sync(SyncTrigger::Menu);
    EXPECT_EQ(elevated.setTo, std::vector<SystemTime>{kServerTime});
    EXPECT_TRUE(timeSync.LastReport()->succeeded);
    EXPECT_EQ(timeSync.LastReport()->offsetSeconds, 7.5);

    log.clear();
    elevated.succeeds = false;  // the user declined, or the helper failed
    Sync(SyncTrigger::Menu);
    EXPECT_FALSE(timeSync.LastReport()->succeeded);
    EXPECT_EQ(timeSync.LastReport()->reason, sync_reason::kNotPermitted);
    EXPECT_EQ(log, Finish("failed"));

    clock.result = ClockSetResult::Refused;
    elevated.setTo.clear();
    Sync(SyncTrigger::Menu);
    EXPECT_TRUE(elevated.setTo.empty()) << "a time the system refuses is not retried with the privilege";
}

TEST_F(TimeSyncTest, ASoundThatCannotPlayIsPassedOverInSilence) {
    settings.soundOn = true;
    for (const char* file : {"", "missing.wav"}) {
        sound.missing.insert("missing.wav");
        settings.tSoundName = file;
        log.clear();
        Sync();
        EXPECT_TRUE(timeSync.LastReport()->succeeded) << file;
        EXPECT_EQ(log.at(2), std::string("no sound:") + file);
        EXPECT_EQ(log.back(), "restart tick");
    }
    settings.soundOn = false;
    settings.tSoundName = "done.wav";
    log.clear();
    Sync();
    EXPECT_EQ(log, Finish("succeeded")) << "no sound with SoundOn off";
}

TEST_F(TimeSyncTest, TheDialUpGateRefusesSilentlyUntilAConnectionIsUp) {
    settings.dialOnly = true;
    for (int i = 0; i < 3; ++i) Sync(SyncTrigger::Daily);
    EXPECT_FALSE(timeSync.IsSyncAllowed());
    EXPECT_TRUE(log.empty()) << "nothing visible, no day stamp";
    EXPECT_TRUE(http.requests.empty());
    EXPECT_FALSE(timeSync.LastReport().has_value());

    dialUp.connections = {{7, 0x0000}};  // still dialling
    Sync(SyncTrigger::Daily);
    EXPECT_TRUE(http.requests.empty());
    dialUp.connections = {{7, kRasConnected}};
    EXPECT_TRUE(timeSync.IsSyncAllowed());
    Sync(SyncTrigger::Daily);
    EXPECT_EQ(http.requests.size(), 1u);

    settings.dialOnly = false;
    dialUp.connections.clear();
    dialUp.log.clear();
    Sync();
    EXPECT_EQ(http.requests.size(), 2u);
    EXPECT_TRUE(dialUp.log.empty()) << "without dial-up only, the connections are not asked about";
}

TEST_F(TimeSyncTest, TriggersWhileAnAttemptRunsAreDroppedAndErrorsStillFinish) {
    http.whileWaiting = [this] { Sync(SyncTrigger::Interval); };
    host.whileTicking = [this] { Sync(SyncTrigger::Daily); };
    Sync(SyncTrigger::Menu);
    EXPECT_EQ(http.requests.size(), 1u);
    EXPECT_EQ(log, Finish("succeeded"));

    http.whileWaiting = [] { throw std::runtime_error("out of sockets"); };
    host.whileTicking = nullptr;
    log.clear();
    Sync();
    EXPECT_EQ(log, Finish("failed"));
    EXPECT_EQ(timeSync.LastReport()->reason, sync_reason::kUnexpected);
    EXPECT_EQ(timeSync.CurrentState(), TTimeSync::State::Idle);
}

// The gate asks about the connection that is first now, every time; after
// a reconnection it finds the new one.
TEST(DialUpDetection, AsksAboutTheCurrentFirstConnectionEachTime) {
    FakeDialUpConnections ras;
    const struct {
        std::vector<std::pair<uintptr_t, uint32_t>> connections;
        bool connected;
    } steps[] = {
        {{}, false},
        {{{11, kRasConnected}}, true},
        {{{11, 0x2001}}, false},  // disconnected
        {{{12, kRasConnected}}, true},  // dialled again: another handle
        {{{13, 0x0005}, {12, kRasConnected}}, false},  // the first one decides
    };
    for (const auto& step : steps) {
        ras.connections = step.connections;
        ras.log.clear();
        EXPECT_EQ(DialUpConnected(ras), step.connected);
        std::vector<std::string> asked{"list"};
        if (!step.connections.empty()) asked.push_back("state " + std::to_string(step.connections[0].first));
        EXPECT_EQ(ras.log, asked) << "only listing and state questions, never a hang-up";
    }
}

}  // namespace
}  // namespace zenka
