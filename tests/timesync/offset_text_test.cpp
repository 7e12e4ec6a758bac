// How a measured offset reads in the dialog and on the console.
#include "timesync/offset_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "timesync/sync_reasons.h"

namespace zenka {
namespace {

TEST(OffsetText, ThreeDecimalsTheSignAlwaysAndABoundThatStillHolds) {
    const struct {
        Micros offset;
        Micros bound;
        const char* shown;
        const char* line;
    } cases[] = {
        {Micros(734'000), Micros(8'000), "時計のずれ +0.734 秒 (±0.008 秒)", "offset=+0.734 bound=0.008"},
        {Micros(734'400), Micros(7'001), "時計のずれ +0.734 秒 (±0.008 秒)", "offset=+0.734 bound=0.008"},
        {Micros(-2'600'000), Micros(12'000), "時計のずれ -2.600 秒 (±0.012 秒)", "offset=-2.600 bound=0.012"},
        {Micros(-400), Micros(0), "時計のずれ +0.000 秒 (±0.000 秒)", "offset=+0.000 bound=0.000"},
        {Micros(-1'600), Micros(1), "時計のずれ -0.002 秒 (±0.001 秒)", "offset=-0.002 bound=0.001"},
        {Micros(3'600'000'000LL), Micros(510'000), "時計のずれ +3600.000 秒 (±0.510 秒)",
         "offset=+3600.000 bound=0.510"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OffsetWithBoundText(c.offset, c.bound), c.shown);
        EXPECT_EQ(OffsetLine(c.offset, c.bound), c.line);
    }
}

TEST(OffsetText, TheMeasuringModePrintsEachServerAndThenTheResult) {
    ClockMeasurement measurement;
    ServerMeasurement a;
    a.server = "https://a.example.jp/";
    a.measured = true;
    a.offset = Micros(734'200);
    a.bound = Micros(7'500);
    ServerMeasurement b;
    b.server = "https://b.example.jp/";
    b.reason = sync_reason::kTimeout;
    measurement.servers = {a, b};
    measurement.combined = CombineOffsets(measurement.servers);
    EXPECT_EQ(MeasurementLines(measurement),
              (std::vector<std::string>{"https://a.example.jp/ offset=+0.734 bound=0.008",
                                        std::string("https://b.example.jp/ 失敗: ") + sync_reason::kTimeout,
                                        "offset=+0.734 bound=0.008"}));
    measurement.servers = {b};
    measurement.combined = CombineOffsets(measurement.servers);
    EXPECT_EQ(MeasurementLines(measurement).back(), std::string("失敗: ") + sync_reason::kTimeout);
}

}  // namespace
}  // namespace zenka
