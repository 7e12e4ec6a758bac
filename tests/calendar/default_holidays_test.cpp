#include "calendar/default_holidays.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "calendar/day_classifier.h"
#include "calendar/julius.h"

namespace zenka {
namespace {

DayRuleSet DefaultRules() {
    DayRuleSet rules;
    rules.HolidayList.Assign(DefaultHolidayLines());
    return rules;
}

using MonthDay = std::pair<int, int>;

// Every day of the year is compared, so a missing holiday and a stray one
// both show.
void ExpectHolidaysOfYear(int32_t year, const std::map<MonthDay, std::string>& expected) {
    const DayRuleSet rules = DefaultRules();
    for (int32_t j = DateToJulius(year, 1, 1); j <= DateToJulius(year, 12, 31); ++j) {
        const CivilDate date = JuliusToDate(j);
        const auto it = expected.find({date.month, date.day});
        const bool holiday = GetDayAttributes(rules, year, date.month, date.day) & (dfHoliday | dfFurikae);
        SCOPED_TRACE(testing::Message() << year << "-" << int(date.month) << "-" << int(date.day));
        EXPECT_EQ(holiday, it != expected.end());
        EXPECT_EQ(GetDayNames(rules, year, date.month, date.day), it != expected.end() ? it->second : "");
    }
}

TEST(DefaultHolidays, EveryHolidayOf2026) {
    ExpectHolidaysOfYear(2026, {
                                   {{1, 1}, "元旦"},
                                   {{1, 12}, "成人の日"},
                                   {{2, 11}, "建国記念の日"},
                                   {{2, 23}, "天皇誕生日"},
                                   {{3, 20}, "春分の日"},
                                   {{4, 29}, "昭和の日"},
                                   {{5, 3}, "憲法記念日"},
                                   {{5, 4}, "みどりの日"},
                                   {{5, 5}, "こどもの日"},
                                   {{5, 6}, "振替休日"},
                                   {{7, 20}, "海の日"},
                                   {{8, 11}, "山の日"},
                                   {{9, 21}, "敬老の日"},
                                   {{9, 22}, "国民の休日"},
                                   {{9, 23}, "秋分の日"},
                                   {{10, 12}, "スポーツの日"},
                                   {{11, 3}, "文化の日"},
                                   {{11, 23}, "勤労感謝の日"},
                               });
}

TEST(DefaultHolidays, EveryHolidayOf2027) {
    ExpectHolidaysOfYear(2027, {
                                   {{1, 1}, "元旦"},
                                   {{1, 11}, "成人の日"},
                                   {{2, 11}, "建国記念の日"},
                                   {{2, 23}, "天皇誕生日"},
                                   {{3, 21}, "春分の日"},
                                   {{3, 22}, "振替休日"},
                                   {{4, 29}, "昭和の日"},
                                   {{5, 3}, "憲法記念日"},
                                   {{5, 4}, "みどりの日"},
                                   {{5, 5}, "こどもの日"},
                                   {{7, 19}, "海の日"},
                                   {{8, 11}, "山の日"},
                                   {{9, 20}, "敬老の日"},
                                   {{9, 23}, "秋分の日"},
                                   {{10, 11}, "スポーツの日"},
                                   {{11, 3}, "文化の日"},
                                   {{11, 23}, "勤労感謝の日"},
                               });
}

TEST(DefaultHolidays, TheYearsOfTheEnthronementAndTheGames) {
    const DayRuleSet rules = DefaultRules();
    const auto names = [&rules](int32_t y, uint8_t m, uint8_t d) { return GetDayNames(rules, y, m, d); };
    // 2019: ten days off around the enthronement, and no emperor's birthday.
    EXPECT_EQ(names(2019, 4, 29), "昭和の日");
    EXPECT_EQ(names(2019, 4, 30), "国民の休日");
    EXPECT_EQ(names(2019, 5, 1), "即位の日");
    EXPECT_EQ(names(2019, 5, 2), "国民の休日");
    EXPECT_EQ(names(2019, 5, 6), "振替休日");
    EXPECT_EQ(names(2019, 10, 14), "体育の日");
    EXPECT_EQ(names(2019, 10, 22), "即位礼正殿の儀");
    EXPECT_EQ(names(2019, 12, 23), "");
    EXPECT_EQ(names(2019, 2, 23), "");
    EXPECT_EQ(names(2018, 12, 23), "天皇誕生日");
    // 2020 and 2021 moved three holidays to the Games.
    EXPECT_EQ(GetDayAttributes(rules, 2020, 7, 20), 0) << "the third Monday of July 2020 was a working day";
    EXPECT_EQ(names(2020, 7, 23), "海の日");
    EXPECT_EQ(names(2020, 7, 24), "スポーツの日");
    EXPECT_EQ(names(2020, 8, 10), "山の日");
    EXPECT_EQ(names(2020, 8, 11), "");
    EXPECT_EQ(names(2020, 10, 12), "");
    EXPECT_EQ(names(2021, 7, 22), "海の日");
    EXPECT_EQ(names(2021, 7, 23), "スポーツの日");
    EXPECT_EQ(GetDayAttributes(rules, 2021, 8, 8), dfSunday | dfHoliday);
    EXPECT_EQ(names(2021, 8, 8), "山の日");
    EXPECT_EQ(names(2021, 8, 9), "振替休日");
    EXPECT_EQ(names(2022, 10, 10), "スポーツの日");
    // One-off holidays of the previous reigns.
    EXPECT_EQ(names(1989, 2, 24), "昭和天皇の大喪の礼");
    EXPECT_EQ(names(1990, 11, 12), "即位礼正殿の儀");
    EXPECT_EQ(names(1993, 6, 9), "皇太子徳仁親王の結婚の儀");
}

TEST(DefaultHolidays, NoDateIsNamedTwice) {
    std::vector<DayRule> lines;
    for (const std::string& line : DefaultHolidayLines()) lines.emplace_back(line);
    const DayRuleSet rules = DefaultRules();
    for (int32_t j = DateToJulius(1989, 1, 1); j <= DateToJulius(2050, 12, 31); ++j) {
        const CivilDate date = JuliusToDate(j);
        int matches = 0;
        for (const DayRule& rule : lines) matches += rule.Matches(date.year, date.month, date.day);
        ASSERT_LE(matches, 1) << date.year << "-" << int(date.month) << "-" << int(date.day);
        // Nor does a computed name fall on a listed day.
        ASSERT_LE(GetDayNameList(rules, date.year, date.month, date.day).size(), 1u)
            << date.year << "-" << int(date.month) << "-" << int(date.day);
    }
}

}  // namespace
}  // namespace zenka
