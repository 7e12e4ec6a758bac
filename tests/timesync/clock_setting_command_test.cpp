// The command line of zenka.exe's clock-setting mode, as the elevated
// helper reads it, and the time it sets.
#include "timesync/clock_setting_command.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zenka {
namespace {

std::vector<std::string> Split(const std::string& line) {
    std::vector<std::string> words;
    size_t start = 0;
    while (start <= line.size()) {
        const size_t blank = line.find(' ', start);
        words.push_back(line.substr(start, blank == std::string::npos ? std::string::npos : blank - start));
        if (blank == std::string::npos) break;
        start = blank + 1;
    }
    return words;
}

TEST(ClockSettingCommand, WhatTheProgramWritesItReadsBack) {
    const SystemTime utc = FromMilliseconds(ToMilliseconds(SystemTime{2026, 1, 5, 0, 8, 49, 37, 500}));
    const std::string line = ClockSettingArguments(utc, 123456789012345);
    EXPECT_EQ(line, "--set-clock 2026-01-05T08:49:37.500Z 123456789012345");
    const auto request = ParseClockSettingArguments(Split(line));
    ASSERT_TRUE(request.has_value());
    EXPECT_EQ(request->utc, utc);
    EXPECT_EQ(request->ticks, 123456789012345);
    EXPECT_TRUE(IsClockSettingCommand(Split(line)));
}

TEST(ClockSettingCommand, AnythingButTheExactFormIsRefused) {
    const std::vector<std::vector<std::string>> refused = {
        {},
        {"--set-clock"},
        {"--set-clock", "2026-01-05T08:49:37.500Z"},
        {"--set-clock", "2026-01-05T08:49:37.500Z", "12", "extra"},
        {"--SET-CLOCK", "2026-01-05T08:49:37.500Z", "12"},
        {"/set-clock", "2026-01-05T08:49:37.500Z", "12"},
        {"--set-clock", "2026-01-05T08:49:37.500", "12"},
        {"--set-clock", "2026-01-05 08:49:37.500Z", "12"},
        {"--set-clock", "2026-1-5T08:49:37.500Z", "12"},
        {"--set-clock", "2026-01-05T08:49:37Z", "12"},
        {"--set-clock", "2026-02-30T08:49:37.500Z", "12"},
        {"--set-clock", "2026-13-05T08:49:37.500Z", "12"},
        {"--set-clock", "2026-01-05T24:00:00.000Z", "12"},
        {"--set-clock", "2026-01-05T08:60:37.500Z", "12"},
        {"--set-clock", "2026-01-05T08:49:60.500Z", "12"},
        {"--set-clock", "1600-12-31T23:59:59.999Z", "12"},
        {"--set-clock", "+026-01-05T08:49:37.500Z", "12"},
        {"--set-clock", "2026-01-05T08:49:37.500Z", ""},
        {"--set-clock", "2026-01-05T08:49:37.500Z", "-12"},
        {"--set-clock", "2026-01-05T08:49:37.500Z", "+12"},
        {"--set-clock", "2026-01-05T08:49:37.500Z", "12 "},
        {"--set-clock", "2026-01-05T08:49:37.500Z", "9223372036854775808"},
        {"--set-clock", "2026-01-05T08:49:37.500Z", "12345678901234567890"},
    };
    for (const auto& arguments : refused) {
        std::string shown;
        for (const auto& a : arguments) shown += "[" + a + "]";
        EXPECT_FALSE(ParseClockSettingArguments(arguments).has_value()) << shown;
    }
    EXPECT_TRUE(ParseClockSettingArguments({"--set-clock", "1601-01-01T00:00:00.000Z", "9223372036854775807"}));
    EXPECT_TRUE(IsClockSettingCommand({"--set-clock", "nonsense"})) << "recognised, then refused";
    EXPECT_FALSE(IsClockSettingCommand({"--other"}));
    EXPECT_FALSE(IsClockSettingCommand({}));
}

TEST(ClockSettingCommand, TheHelperAddsTheTimeThatPassedAndRefusesStaleOrFutureReadings) {
    const SystemTime utc = FromMilliseconds(ToMilliseconds(SystemTime{2026, 1, 5, 0, 23, 59, 59, 900}));
    const ClockSettingRequest request{utc, 1'000'000};
    const int64_t perSecond = 10'000'000;
    const struct {
        int64_t now;
        std::optional<int64_t> addedMs;
    } cases[] = {
        {1'000'000, 0},
        {1'000'000 + 2'500'000, 250},  // crosses midnight into the next day
        {1'000'000 + 300 * perSecond, 300'000},
        {1'000'000 + 300 * perSecond + perSecond / 1000, std::nullopt},
        {999'999, std::nullopt},
        {INT64_MAX, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto target = ClockSettingTarget(request, c.now, perSecond);
        if (!c.addedMs) {
            EXPECT_FALSE(target.has_value()) << c.now;
        } else {
            ASSERT_TRUE(target.has_value()) << c.now;
            EXPECT_EQ(*target, AddMilliseconds(utc, *c.addedMs)) << c.now;
        }
    }
    EXPECT_FALSE(ClockSettingTarget(request, 2'000'000, 0).has_value());
}

}  // namespace
}  // namespace zenka
