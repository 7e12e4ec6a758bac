// The offsets of several servers made one, and the time the clock is set
// to from it.
#include "timesync/offset_combination.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "timesync/sync_reasons.h"

namespace zenka {
namespace {

using std::chrono::milliseconds;

ServerMeasurement Measured(int64_t offsetMs, int64_t boundMs) {
    ServerMeasurement m;
    m.server = "http://s" + std::to_string(offsetMs) + "/";
    m.measured = true;
    m.offset = milliseconds(offsetMs);
    m.bound = milliseconds(boundMs);
    return m;
}

ServerMeasurement Failed(const char* reason) {
    ServerMeasurement m;
    m.server = "http://failed/";
    m.reason = reason;
    return m;
}

TEST(OffsetCombination, TheMeanOfThoseNearTheMedianAndNoResultWhenTooFewAgree) {
    const struct {
        const char* what;
        std::vector<ServerMeasurement> servers;
        std::string reason;  // empty: found
        Micros offset;
        Micros bound;
        std::vector<size_t> used;
    } cases[] = {
        {"one server", {Measured(734, 8)}, "", milliseconds(734), milliseconds(8), {0}},
        {"three that agree", {Measured(700, 10), Measured(760, 20), Measured(730, 6)}, "", milliseconds(730),
         milliseconds(12), {0, 1, 2}},
        {"a false ticker", {Measured(700, 10), Measured(9700, 10), Measured(760, 20)}, "", milliseconds(730),
         milliseconds(15), {0, 2}},
        {"half a second away still agrees", {Measured(0, 1), Measured(500, 1), Measured(1001, 1)}, "",
         milliseconds(250), milliseconds(1), {0, 1}},
        {"an even count: the median between the middle two", {Measured(0, 4), Measured(100, 4), Measured(3000, 4),
                                                                Measured(3100, 4)},
         sync_reason::TooFewAgree(0, 4), Micros(0), Micros(0), {}},
        {"exactly half agree", {Measured(0, 4), Measured(400, 4), Measured(900, 4), Measured(5000, 4)}, "",
         milliseconds(650), milliseconds(4), {1, 2}},
        {"two that disagree", {Measured(0, 4), Measured(1200, 4)}, sync_reason::TooFewAgree(0, 2), Micros(0),
         Micros(0), {}},
        {"one of three agrees with the median", {Measured(-600, 4), Measured(0, 4), Measured(600, 4)},
         sync_reason::TooFewAgree(1, 3), Micros(0), Micros(0), {}},
        {"errors mixed in", {Failed(sync_reason::kTimeout), Measured(-2600, 30), Failed(sync_reason::kNoDate),
                             Measured(-2590, 10)},
         "", milliseconds(-2595), milliseconds(20), {1, 3}},
        {"one server that failed", {Failed(sync_reason::kNameNotResolved)}, sync_reason::kNameNotResolved,
         Micros(0), Micros(0), {}},
        {"all failed", {Failed(sync_reason::kTimeout), Failed(sync_reason::kNoDate)},
         sync_reason::kNoServerAnswered, Micros(0), Micros(0), {}},
        {"no server", {}, sync_reason::kNoServer, Micros(0), Micros(0), {}},
    };
    for (const auto& c : cases) {
        const CombinedOffset combined = CombineOffsets(c.servers);
        EXPECT_EQ(combined.found, c.reason.empty()) << c.what;
        EXPECT_EQ(combined.reason, c.reason) << c.what;
        EXPECT_EQ(combined.offset, c.offset) << c.what;
        EXPECT_EQ(combined.bound, c.bound) << c.what;
        EXPECT_EQ(combined.used, c.used) << c.what;
    }
}

TEST(OffsetCombination, TheClockIsSetFromTheMomentOfSettingWithTheAdjustment) {
    const LocalMoment at = ToLocalMoment(FromMilliseconds(int64_t{1'772'366'400} * 1000));  // 2026-03-01 12:00
    const struct {
        Micros sinceAt;
        Micros offset;
        int32_t adjustment;
        int64_t setMsSinceAt;
    } cases[] = {
        {Micros(0), Micros(734'000), 0, 734},
        {Micros(9'250'400), Micros(734'000), 0, 9984},  // after the wait: from that moment
        {Micros(0), Micros(734'499), 0, 734},  // to the nearest millisecond
        {Micros(0), Micros(734'501), 0, 735},
        {Micros(0), Micros(-2'600'000), 15, -1100},
        {Micros(0), Micros(0), -36000, -3'600'000},
        {Micros(0), Micros(-86'400'000'000LL), 0, -86'400'000},
    };
    for (const auto& c : cases) {
        const SystemTime set = ClockSettingTime(at + c.sinceAt, c.offset, c.adjustment);
        EXPECT_EQ(ToMilliseconds(set) - ToMilliseconds(ToSystemTime(at)), c.setMsSinceAt)
            << c.sinceAt.count() << " " << c.offset.count() << " " << c.adjustment;
        EXPECT_EQ(set, FromMilliseconds(ToMilliseconds(set))) << "with its weekday";
    }
}

}  // namespace
}  // namespace zenka
