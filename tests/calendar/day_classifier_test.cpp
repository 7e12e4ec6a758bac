#include "calendar/day_classifier.h"

#include <gtest/gtest.h>

#include "calendar/comma_text.h"
#include "calendar/default_holidays.h"
#include "calendar/julius.h"

namespace zenka {
namespace {

DayRuleSet DefaultRules() {
    DayRuleSet rules;
    rules.HolidayList.Assign(DefaultHolidayLines());
    return rules;
}

TEST(DayClassifier, NewYearOnASundayAndItsSubstitute) {
    const DayRuleSet rules = DefaultRules();
    EXPECT_EQ(GetDayAttributes(rules, 2006, 1, 1), dfSunday | dfHoliday);
    EXPECT_EQ(GetDayNames(rules, 2006, 1, 1), "元旦");
    EXPECT_EQ(GetDayFont(rules, 2006, 1, 1), kFontHoliday);
    EXPECT_EQ(GetDayAttributes(rules, 2006, 1, 2), dfFurikae);
    EXPECT_EQ(GetDayNames(rules, 2006, 1, 2), "振替休日");
    EXPECT_EQ(GetDayFont(rules, 2006, 1, 2), kFontHoliday);
    EXPECT_EQ(GetDayAttributes(rules, 2006, 1, 3), 0);
    EXPECT_EQ(GetDayFont(rules, 2006, 1, 3), kFontWeekday);
    EXPECT_EQ(GetDayNames(rules, 2006, 1, 3), "");
    EXPECT_EQ(GetDayFont(rules, 2006, 1, 7), kFontSaturday);
    EXPECT_EQ(GetDayFont(rules, 2006, 1, 8), kFontSunday);
    EXPECT_EQ(GetDayNames(rules, 2006, 1, 9), "成人の日");
}

TEST(DayClassifier, EquinoxDaysFollowTheSwitch) {
    DayRuleSet rules = DefaultRules();
    EXPECT_EQ(GetDayAttributes(rules, 2010, 3, 21), dfSunday | dfHoliday);
    EXPECT_EQ(GetDayNames(rules, 2010, 3, 21), "春分の日");
    EXPECT_EQ(GetDayAttributes(rules, 2010, 3, 22), dfFurikae);
    EXPECT_EQ(GetDayNames(rules, 2010, 3, 22), "振替休日");
    EXPECT_EQ(GetDayAttributes(rules, 2006, 9, 23), dfSaturday | dfHoliday);
    EXPECT_EQ(GetDayFont(rules, 2006, 9, 23), kFontHoliday);
    EXPECT_EQ(GetDayNames(rules, 2006, 9, 23), "秋分の日");

    rules.AutoEquinox = false;
    EXPECT_EQ(GetDayAttributes(rules, 2010, 3, 21), dfSunday);
    EXPECT_EQ(GetDayAttributes(rules, 2010, 3, 22), 0);
    EXPECT_EQ(GetDayNames(rules, 2010, 3, 21), "");
}

TEST(DayClassifier, GoldenWeekHasNoSubstitutes) {
    const DayRuleSet rules = DefaultRules();
    for (uint8_t d = 3; d <= 5; ++d) {
        EXPECT_EQ(GetDayAttributes(rules, 2006, 5, d), dfHoliday) << "2006-05-0" << int(d);
    }
    EXPECT_EQ(GetDayNames(rules, 2006, 5, 4), "国民の休日");
}

TEST(DayClassifier, SubstituteOnlyForAMondayAfterAHolidaySunday) {
    DayRuleSet rules = DefaultRules();
    // 2007-04-29 is a Sunday holiday; the Monday after is a substitute.
    EXPECT_EQ(GetDayAttributes(rules, 2007, 4, 30), dfFurikae);
    rules.AutoFurikae = false;
    EXPECT_EQ(GetDayAttributes(rules, 2007, 4, 30), 0);
    EXPECT_EQ(GetDayNames(rules, 2007, 4, 30), "");
    // A Monday that is a holiday itself gets no substitute flag.
    DayRuleSet both = DefaultRules();
    both.HolidayList.Assign({"1,1,元旦", "1,2,X"});
    EXPECT_EQ(GetDayAttributes(both, 2006, 1, 2), dfHoliday);
    EXPECT_EQ(GetDayAttributes(both, 2006, 1, 3), 0);
}

TEST(DayClassifier, ScheduledDaysComeFirst) {
    DayRuleSet rules = DefaultRules();
    rules.YoteiDayList.Assign({"1,1,初詣 神社"});
    rules.SpecialDayList.Assign({"1,1,誕生日"});
    EXPECT_EQ(GetDayAttributes(rules, 2006, 1, 1), dfSunday | dfHoliday | dfSpecialDay | dfYoteiDay);
    EXPECT_EQ(GetDayFont(rules, 2006, 1, 1), kFontYoteiDay);
    EXPECT_EQ(GetDayNames(rules, 2006, 1, 1), "\"初詣 神社\",誕生日,元旦");
    rules.YoteiDayList.Assign({});
    EXPECT_EQ(GetDayFont(rules, 2006, 1, 1), kFontSpecialDay);
}

TEST(DayClassifier, NamesKeepEveryMatchAndComputedNames) {
    DayRuleSet rules = DefaultRules();
    rules.HolidayList.Assign({"3,21,春分の日", "3,21,春分の日", "1,1,"});
    EXPECT_EQ(GetDayNames(rules, 2006, 3, 21), "春分の日,春分の日,春分の日");
    EXPECT_EQ(GetDayNames(rules, 2006, 1, 1), "\"\"") << "one empty name";
    rules.HolidayList.Assign({"1,1,", "1,1,元旦"});
    EXPECT_EQ(GetDayNames(rules, 2006, 1, 1), ",元旦") << "an empty name among others stays unquoted";
}

TEST(DayClassifier, MalformedLinesRaiseWithTheirPlace) {
    DayRuleSet rules = DefaultRules();
    rules.SpecialDayList.Assign({"2,14,バレンタイン", "3,x,壊れた行"});
    EXPECT_NO_THROW(GetDayAttributes(rules, 2006, 2, 14));
    try {
        GetDayNames(rules, 2006, 3, 1);
        FAIL() << "the malformed line was not reported";
    } catch (const EDayRuleError& e) {
        EXPECT_EQ(e.list, DayListKind::Special);
        EXPECT_EQ(e.lineIndex, 1u);
        EXPECT_EQ(e.line, "3,x,壊れた行");
        EXPECT_NE(std::string(e.what()).find("'x'"), std::string::npos);
    }
    rules.SpecialDayList.Assign({"m,1,月が読めない"});
    EXPECT_THROW(GetDayFont(rules, 2006, 7, 1), EDayRuleError) << "an unreadable month is read for every date";
    EXPECT_THROW(GetDayAttributes(DefaultRules(), 1582, 10, 10), EJuliusError);
}

TEST(CommaText, QuotesWhatNeedsQuoting) {
    EXPECT_EQ(JoinCommaText({}), "");
    EXPECT_EQ(JoinCommaText({"a", "b"}), "a,b");
    EXPECT_EQ(JoinCommaText({"a b"}), "\"a b\"");
    EXPECT_EQ(JoinCommaText({"say \"hi\""}), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(JoinCommaText({"x,y"}), "\"x,y\"");
    EXPECT_EQ(JoinCommaText({"tab\there"}), "\"tab\there\"");
    EXPECT_EQ(JoinCommaText({"全角　空白"}), "全角　空白") << "an ideographic space is not a blank";
}

}  // namespace
}  // namespace zenka
