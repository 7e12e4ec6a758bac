// One synchronisation attempt with a fake server, a fake clock and a fake
// main window: what it asks for, what it sets the clock to, how it
// finishes, and what it reports.
#include "timesync/time_sync.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/version.h"
#include "tests/fakes/fake_clock.h"
#include "tests/fakes/fake_sync_services.h"
#include "tests/fakes/fake_tick_services.h"
#include "tests/fakes/fake_time_servers.h"
#include "tests/timesync/utc_time.h"

namespace zenka {
namespace {

using testing::Utc;

const SystemTime kServerTime = Utc(1994, 11, 6, 8, 49, 37, 500);  // the fake server's Date, plus 500 ms

class TimeSyncTest : public ::testing::Test {
protected:
    TimeSyncTest() {
        settings.moreServers = {};  // one server, unless a test names more
        clock.now = Utc(1994, 11, 6, 8, 49, 30, 0);
        localClock.Set(1994, 11, 6);
        localClock.SetTime(17, 49, 37);
    }

    void Sync(SyncTrigger trigger = SyncTrigger::Interval) { timeSync.StartTimeSync(trigger); }
    SyncPlatform Platform() {
        return {http, clock, elevated, dialUp, [this](uint32_t ms, const std::function<void()>& then) {
                    log.push_back("pause " + std::to_string(ms));
                    then();
                }};
    }
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
                       SyncPlatform{http, clock, elevated, dialUp, [this](uint32_t ms, const std::function<void()>& then) {
                                        log.push_back("pause " + std::to_string(ms));
                                        stateDuringPause = timeSync.CurrentState();
                                        then();
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
    EXPECT_EQ(report.boundSeconds, 0.5) << "one request: anywhere in the Date's second";
    EXPECT_EQ(report.servers, std::vector<std::string>{settings.server});
    EXPECT_EQ(report.finishedAt.hour, 17);
    EXPECT_EQ(report.finishedAt.second, 37);
}

TEST_F(TimeSyncTest, TheAdjustmentMovesTheTimeSetAndTheOffsetIsHowFarTheClockMoved) {
    const struct {
        int32_t adjustment;
        SystemTime set;
        SystemTime clockBefore;
        double offset;
    } cases[] = {
        {0, kServerTime, Utc(1994, 11, 6, 8, 49, 37, 560), -0.06},
        {-15, Utc(1994, 11, 6, 8, 49, 36, 0), Utc(1994, 11, 6, 8, 49, 36, 0), 0.0},
        {25, Utc(1994, 11, 6, 8, 49, 40, 0), Utc(1994, 11, 6, 8, 50, 40, 0), -60.0},
        {36000, Utc(1994, 11, 6, 9, 49, 37, 500), Utc(1994, 11, 5, 9, 49, 37, 440), 86400.06},
    };
    for (const auto& c : cases) {
        settings.adjustment = c.adjustment;
        clock.now = c.clockBefore;
        clock.setTo.clear();
        Sync();
        EXPECT_EQ(clock.setTo, std::vector<SystemTime>{c.set}) << "Adjustment " << c.adjustment;
        ASSERT_TRUE(timeSync.LastReport()->offsetSeconds.has_value());
        EXPECT_DOUBLE_EQ(*timeSync.LastReport()->offsetSeconds, c.offset) << "Adjustment " << c.adjustment;
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

    // The result's second passes in the message loop; a trigger meanwhile
    // is dropped, and the tick runs again only once it is over.
    std::function<void()> resume;
    TTimeSync pausing{settings, localClock, sound, host,
                      SyncPlatform{http, clock, elevated, dialUp, [&](uint32_t, std::function<void()> then) {
                                       resume = std::move(then);
                                   }}};
    http.whileWaiting = nullptr;
    http.requests.clear();
    log.clear();
    pausing.StartTimeSync(SyncTrigger::Menu);
    EXPECT_EQ(pausing.CurrentState(), TTimeSync::State::Succeeded);
    pausing.StartTimeSync(SyncTrigger::Interval);
    EXPECT_EQ(http.requests.size(), 1u);
    ASSERT_TRUE(resume);
    EXPECT_EQ(log.back(), "image succeeded");
    resume();
    EXPECT_EQ(log.back(), "restart tick");
    EXPECT_EQ(pausing.CurrentState(), TTimeSync::State::Idle);
}

// A measurement that reports when the test says, as one on another thread
// would through the message loop.
class DeferredMeasurer : public ClockMeasurer {
public:
    LocalMoment LocalNow() const override { return now; }
    void Measure(const ClockMeasureRequest& request, std::function<void(ClockMeasurement)> done) override {
        requests.push_back(request);
        pending = std::move(done);
    }
    void Cancel() override { ++cancels; }
    LocalMoment now = ToLocalMoment(FromMilliseconds(int64_t{1'772'366'400} * 1000));
    std::vector<ClockMeasureRequest> requests;
    std::function<void(ClockMeasurement)> pending;
    int cancels = 0;
};

ClockMeasurement Found(const std::string& server, Micros offset, Micros bound) {
    ClockMeasurement measurement;
    ServerMeasurement measured;
    measured.server = server;
    measured.measured = true;
    measured.offset = offset;
    measured.bound = bound;
    measurement.servers = {measured};
    measurement.combined = CombineOffsets(measurement.servers);
    return measurement;
}

TEST_F(TimeSyncTest, AMeasurementThatReportsLaterSetsTheClockFromTheMomentItReports) {
    DeferredMeasurer measurer;
    TTimeSync later{settings, localClock, sound, host, Platform(),
                    measurer};
    settings.server = "https://a.example.jp/";
    settings.proxy = "cache:8080";
    settings.adjustment = 5;
    later.StartTimeSync(SyncTrigger::Menu);
    EXPECT_EQ(log, (std::vector<std::string>{"stop tick", "image in progress"}));
    EXPECT_EQ(later.CurrentState(), TTimeSync::State::Busy);
    later.StartTimeSync(SyncTrigger::Interval);
    ASSERT_EQ(measurer.requests.size(), 1u) << "a trigger meanwhile is dropped";
    const ClockMeasureRequest& request = measurer.requests[0];
    EXPECT_EQ(request.servers, std::vector<std::string>{"https://a.example.jp/"});
    EXPECT_EQ(request.way.proxy, (ProxyAddress{"cache", 8080}));
    EXPECT_EQ(request.way.userAgent, SyncUserAgent());
    EXPECT_EQ(request.timeLimit, std::chrono::seconds(20));
    EXPECT_TRUE(http.requests.empty());

    measurer.now += std::chrono::milliseconds(9'250);  // the measurement took its time
    measurer.pending(Found("https://a.example.jp/", Micros(734'000), Micros(7'600)));
    EXPECT_EQ(clock.setTo, std::vector<SystemTime>{ToSystemTime(measurer.now + std::chrono::milliseconds(1'234))});
    EXPECT_EQ(log, Finish("succeeded"));
    EXPECT_EQ(later.CurrentState(), TTimeSync::State::Idle);
    const SyncReport& report = *later.LastReport();
    EXPECT_TRUE(report.succeeded);
    EXPECT_DOUBLE_EQ(*report.offsetSeconds, 1.234) << "with the adjustment: how far the clock moved";
    EXPECT_DOUBLE_EQ(*report.boundSeconds, 0.0076);
    EXPECT_EQ(report.servers, std::vector<std::string>{"https://a.example.jp/"});

    // Closing during a measurement ends it without a finish; its late
    // report changes nothing.
    log.clear();
    clock.setTo.clear();
    later.StartTimeSync(SyncTrigger::Daily);
    const auto stale = measurer.pending;
    later.CancelTimeSync();
    EXPECT_EQ(measurer.cancels, 1);
    EXPECT_EQ(later.CurrentState(), TTimeSync::State::Idle);
    stale(Found("https://a.example.jp/", Micros(0), Micros(1)));
    EXPECT_TRUE(clock.setTo.empty());
    EXPECT_EQ(log, (std::vector<std::string>{"stop tick", "image in progress"}));

    // Servers that disagree end in the failed finish with the reason.
    log.clear();
    later.StartTimeSync(SyncTrigger::Menu);
    ClockMeasurement disagreeing = Found("https://a.example.jp/", Micros(0), Micros(1));
    disagreeing.servers.push_back(disagreeing.servers[0]);
    disagreeing.servers[1].offset = std::chrono::seconds(3);
    disagreeing.combined = CombineOffsets(disagreeing.servers);
    measurer.pending(disagreeing);
    EXPECT_TRUE(clock.setTo.empty());
    EXPECT_EQ(log, Finish("failed"));
    EXPECT_EQ(later.LastReport()->reason, sync_reason::TooFewAgree(0, 2));
    EXPECT_FALSE(later.LastReport()->offsetSeconds.has_value());
}

TEST_F(TimeSyncTest, AProbingMeasurementBringsTheClockWithinItsBoundOfTheServers) {
    // A day after this build, so that the server's time is one to believe.
    const LocalMoment start = ToLocalMoment(BuildDay()) + std::chrono::hours(36) + Micros(250'000);
    FakeProbeClock probeClock(start);
    FakeProbeTransport transport(probeClock);
    FakeTimeServer& server = transport.servers["https://a.example.jp/"];
    server.offset = Micros(-2'600'000);
    server.out = std::chrono::milliseconds(30);
    server.back = std::chrono::milliseconds(10);
    ProbingClockMeasurer measurer(transport, probeClock);
    TTimeSync probing{settings, localClock, sound, host, Platform(),
                      measurer};
    settings.server = "https://a.example.jp/";
    probing.StartTimeSync(SyncTrigger::Menu);

    ASSERT_TRUE(probing.LastReport()->succeeded) << probing.LastReport()->reason;
    ASSERT_EQ(clock.setTo.size(), 1u);
    const LocalMoment settingAt = probeClock.Now();
    EXPECT_GT(settingAt - start, std::chrono::seconds(5)) << "set from the moment after the probing";
    const Micros off = ToLocalMoment(clock.setTo[0]) - (settingAt + server.offset);
    const double bound = *probing.LastReport()->boundSeconds;
    EXPECT_LE(std::chrono::duration<double>(std::chrono::abs(off)).count(), bound + 0.0005);
    EXPECT_LE(bound, 0.010 + 0.020);
    ASSERT_EQ(transport.opened.size(), 1u);
    EXPECT_EQ(transport.opened[0].userAgent, SyncUserAgent());
    EXPECT_EQ(transport.opened[0].accept, kSyncAccept);
    EXPECT_TRUE(http.requests.empty());
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
