// The month schedule view's lines and colours, over the default holidays.
#include "app/month_schedule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/bad_line_report.h"
#include "calendar/tolerant_day_kind.h"
#include "tests/fakes/fake_tick_services.h"
#include "calendar/default_holidays.h"

namespace zenka {
namespace {

DayRuleSet DefaultRules() {
    DayRuleSet rules;
    rules.HolidayList.Assign(DefaultHolidayLines());
    return rules;
}

std::vector<uint8_t> Days(const MonthSchedule& schedule) {
    std::vector<uint8_t> days;
    for (const MonthScheduleLine& line : schedule.lines) days.push_back(line.day);
    return days;
}

TEST(MonthSchedule, January2006ListsEveryDayWithWeekdayNamesAndFont) {
    const MonthSchedule january = FillMonthSchedule(DefaultRules(), 2006, 1);
    EXPECT_EQ(january.year, 2006);
    EXPECT_EQ(january.month, 1);
    ASSERT_EQ(january.lines.size(), 31u);
    const std::vector<MonthScheduleLine> expected = {
        {1, " 1(日)元日", kFontHoliday},     {2, " 2(月)振替休日", kFontHoliday},
        {3, " 3(火)", kFontWeekday},         {7, " 7(土)", kFontSaturday},
        {8, " 8(日)", kFontSunday},          {9, " 9(月)成人の日", kFontHoliday},
        {10, "10(火)", kFontWeekday},        {31, "31(火)", kFontWeekday},
    };
    for (const MonthScheduleLine& line : expected) {
        EXPECT_EQ(january.lines.at(line.day - 1), line) << "day " << int{line.day};
    }
    EXPECT_TRUE(january.badLines.empty());

    // November 2006: a two-digit day with a name.
    EXPECT_EQ(FillMonthSchedule(DefaultRules(), 2006, 11).lines.at(22).text, "23(木)勤労感謝の日");
}

TEST(MonthSchedule, EachMonthHasItsOwnLength) {
    struct Case {
        int32_t year;
        uint8_t month;
        size_t lines;
    };
    for (const Case& c : {Case{2008, 2, 29}, Case{2006, 2, 28}, Case{2000, 2, 29}, Case{1900, 2, 28},
                          Case{2006, 4, 30}, Case{2006, 12, 31}}) {
        const MonthSchedule schedule = FillMonthSchedule(DefaultRules(), c.year, c.month);
        EXPECT_EQ(schedule.lines.size(), c.lines) << c.year << "/" << int{c.month};
        EXPECT_EQ(schedule.lines.back().day, c.lines) << c.year << "/" << int{c.month};
    }
}

TEST(MonthSchedule, AScheduledHolidayTakesTheScheduledColourAndNameFirst) {
    DayRuleSet rules = DefaultRules();
    rules.YoteiDayList.Assign({"1,1,初詣"});
    const MonthSchedule january = FillMonthSchedule(rules, 2006, 1);
    EXPECT_EQ(january.lines.at(0), (MonthScheduleLine{1, " 1(日)初詣,元日", kFontYoteiDay}));
}

TEST(MonthSchedule, October1582ListsItsTwentyOneDaysAcrossTheGap) {
    const MonthSchedule october = FillMonthSchedule(DefaultRules(), 1582, 10);
    std::vector<uint8_t> expected = {1, 2, 3, 4};
    for (uint8_t day = 15; day <= 31; ++day) expected.push_back(day);
    EXPECT_EQ(Days(october), expected);
    // Thursday the 4th was followed by Friday the 15th.
    EXPECT_EQ(october.lines.at(3).text, " 4(木)");
    EXPECT_EQ(october.lines.at(4).text, "15(金)");
    EXPECT_EQ(october.lines.at(4).font, kFontWeekday);
    EXPECT_EQ(october.lines.at(6).text, "17(日)");
    EXPECT_EQ(october.lines.at(6).font, kFontSunday);
}

TEST(MonthSchedule, AMalformedLineCountsAsNotMatchingAndIsToldOnce) {
    DayRuleSet rules = DefaultRules();
    rules.YoteiDayList.Assign({"1,x,壊れた行", "1,20,散髪"});
    const MonthSchedule january = FillMonthSchedule(rules, 2006, 1);
    ASSERT_EQ(january.lines.size(), 31u) << "the fill goes on past the bad line";
    EXPECT_EQ(january.lines.at(19), (MonthScheduleLine{20, "20(金)散髪", kFontYoteiDay}));
    EXPECT_EQ(january.lines.at(0), (MonthScheduleLine{1, " 1(日)元日", kFontHoliday}));
    ASSERT_FALSE(january.badLines.empty());

    // The tick and the view tell through one record: a line told once is
    // not told again, whichever of them meets it next.
    EventLog log;
    FakeErrorBox errors{log};
    BadLineReport reports{errors};
    EXPECT_TRUE(reports.Tell(january.badLines));
    EXPECT_FALSE(reports.Tell(FillMonthSchedule(rules, 2006, 2).badLines));
    EXPECT_EQ(log, (EventLog{"error:予定日リストの 1 行目 \"1,x,壊れた行\": 'x' は有効な整数ではありません\r\n"
                             "この行は該当しない行として扱います。"}));
}

TEST(MonthSchedule, LinesAreTheirDaysShadeOnTheGroundOrInvertedWhenSelected) {
    ThemeState dark;
    dark.appsLight = false;
    struct Case {
        ThemeState theme;
        Color day;
        bool selected;
        LineColors colors;
    };
    const Palette light = PaletteFor(ThemeState{});
    const Color ground = *PaletteFor(dark).ground;
    const Color lime = light.DayText(clLime, clWhite);
    for (const Case& c : {
             Case{ThemeState{}, clBlack, false, {clWhite, clBlack}},
             Case{ThemeState{}, clBlack, true, {clBlack, clWhite}},
             Case{ThemeState{}, clLime, false, {clWhite, lime}},
             Case{ThemeState{}, clLime, true, {lime, clWhite}},
             Case{dark, clBlack, false, {ground, clWhite}},
             Case{dark, clBlack, true, {clWhite, ground}},
             Case{dark, clLime, true, {clLime, ground}},
         }) {
        EXPECT_EQ(MonthScheduleLineColors(PaletteFor(c.theme), c.day, c.selected), c.colors)
            << std::hex << c.day << " " << c.selected << " " << c.theme.appsLight;
    }
}

}  // namespace
}  // namespace zenka
