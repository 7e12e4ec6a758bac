// The interval timer tmrOki: when it runs, how often, and when applying
// the settings restarts its countdown.
#include "timesync/sync_schedule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zenka {
namespace {

AppSettings::Sync SyncWith(bool teiki, bool oneday, int32_t oki) {
    AppSettings::Sync sync;
    sync.teiki = teiki;
    sync.oneday = oneday;
    sync.oki = oki;
    return sync;
}

TEST(SyncSchedule, TheTimerRunsExactlyWithTeikiAndWithoutOnedayEveryOkiMinutes) {
    const struct {
        bool teiki, oneday;
        int32_t oki;
        SyncTimerSetting timer;
    } cases[] = {
        {true, false, 60, {true, 3'600'000}},
        {true, false, 1, {true, 60'000}},
        {true, false, 10000, {true, 600'000'000}},
        {false, false, 60, {false, 3'600'000}},
        {false, true, 60, {false, 3'600'000}},
        {true, true, 60, {false, 3'600'000}},
        // Outside what the dialog allows: kept within 1..10000 minutes.
        {true, false, 0, {true, 60'000}},
        {true, false, -5, {true, 60'000}},
        {true, false, 100000, {true, 600'000'000}},
        {true, false, 2147483647, {true, 600'000'000}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SyncTimerFor(SyncWith(c.teiki, c.oneday, c.oki)), c.timer)
            << "Teiki " << c.teiki << " Oneday " << c.oneday << " Oki " << c.oki;
    }
}

class RecordingTimer : public IntervalTimer {
public:
    void Start(uint32_t milliseconds) override { log.push_back("start " + std::to_string(milliseconds)); }
    void Stop() override { log.push_back("stop"); }
    std::vector<std::string> log;
};

TEST(SyncSchedule, ApplyingRestartsTheCountdownOnlyWhenTheTimerChanges) {
    RecordingTimer timer;
    SyncSchedule schedule(timer);
    const struct {
        bool teiki, oneday;
        int32_t oki;
        std::vector<std::string> calls;
    } steps[] = {
        {false, false, 60, {}},                 // start-up with Teiki off
        {true, false, 60, {"start 3600000"}},   // switched on
        {true, false, 60, {}},                  // applied unchanged: the countdown goes on
        {true, false, 30, {"start 1800000"}},   // a new interval starts anew
        {true, true, 30, {"stop"}},             // once a day instead
        {true, true, 45, {}},                   // the interval of a stopped timer
        {true, false, 45, {"start 2700000"}},
        {false, false, 45, {"stop"}},
        {false, true, 45, {}},
    };
    for (const auto& step : steps) {
        timer.log.clear();
        schedule.ApplySyncSchedule(SyncWith(step.teiki, step.oneday, step.oki));
        EXPECT_EQ(timer.log, step.calls) << "Teiki " << step.teiki << " Oneday " << step.oneday << " Oki "
                                         << step.oki;
        EXPECT_EQ(schedule.Current(), SyncTimerFor(SyncWith(step.teiki, step.oneday, step.oki)));
    }
}

}  // namespace
}  // namespace zenka
