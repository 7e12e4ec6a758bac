#include "calendar/day_classifier.h"

#include <gtest/gtest.h>

#include <tuple>

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
    EXPECT_EQ(GetDayNames(rules, 2006, 1, 1), "元日");
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
    EXPECT_EQ(GetDayNames(rules, 2006, 5, 3), "憲法記念日");
    EXPECT_EQ(GetDayNames(rules, 2006, 5, 4), "国民の休日") << "no line names it: it lies between two holidays";
    EXPECT_EQ(GetDayNames(rules, 2006, 5, 5), "こどもの日");
}

TEST(DayClassifier, SubstituteFollowsAHolidaySunday) {
    DayRuleSet rules = DefaultRules();
    // 2007-04-29 is a Sunday holiday; the Monday after is a substitute.
    EXPECT_EQ(GetDayAttributes(rules, 2007, 4, 30), dfFurikae);
    rules.AutoFurikae = false;
    EXPECT_EQ(GetDayAttributes(rules, 2007, 4, 30), 0);
    EXPECT_EQ(GetDayNames(rules, 2007, 4, 30), "");
    // A Monday that is a holiday itself gets no substitute flag; before 2007
    // the Tuesday after it gets none either.
    DayRuleSet both = DefaultRules();
    both.HolidayList.Assign({"1,1,元旦", "1,2,X"});
    EXPECT_EQ(GetDayAttributes(both, 2006, 1, 2), dfHoliday);
    EXPECT_EQ(GetDayAttributes(both, 2006, 1, 3), 0);
    EXPECT_EQ(GetDayAttributes(both, 2012, 1, 3), dfFurikae) << "from 2007 the substitute moves on to the Tuesday";
}

TEST(DayClassifier, SubstituteHolidaysFollowTheLawOfTheirDay) {
    DayRuleSet rules = DefaultRules();
    EXPECT_EQ(GetDayAttributes(rules, 1973, 2, 12), 0) << "before substitute holidays existed";
    EXPECT_EQ(GetDayAttributes(rules, 1973, 4, 30), dfFurikae) << "the first substitute holiday";
    EXPECT_EQ(GetDayNames(rules, 1973, 4, 30), "振替休日");
    // A Monday between a holiday Sunday and a holiday is a substitute, not a
    // day between two holidays.
    EXPECT_EQ(GetDayAttributes(rules, 1987, 5, 4), dfFurikae);
    EXPECT_EQ(GetDayNames(rules, 1987, 5, 4), "振替休日");
    // From 2007 the substitute is the first day after the run of holidays
    // that a Sunday belongs to, wherever the Sunday stands in the run.
    for (const auto& [y, m, d] : {std::tuple{2008, 5, 6}, {2009, 5, 6}, {2019, 5, 6}, {2020, 5, 6}, {2026, 5, 6},
                                  {2021, 8, 9}}) {
        SCOPED_TRACE(testing::Message() << y << "-" << m << "-" << d);
        EXPECT_EQ(GetDayAttributes(rules, y, m, d) & (dfHoliday | dfFurikae), dfFurikae);
        EXPECT_EQ(GetDayNames(rules, y, m, d), "振替休日");
        EXPECT_EQ(GetDayFont(rules, y, m, d), kFontHoliday);
    }
    EXPECT_EQ(GetDayAttributes(rules, 2009, 5, 7), 0) << "one substitute per Sunday";
    // A Sunday before 2007 gives nothing after 2007-01-01, even in a run of
    // holidays that lasts into 2007.
    rules.HolidayList.Assign({"1,1,元旦", "12,31,大晦日"});
    EXPECT_EQ(GetDayAttributes(rules, 2006, 12, 31), dfSunday | dfHoliday);
    EXPECT_EQ(GetDayAttributes(rules, 2007, 1, 2), 0);
    EXPECT_EQ(GetDayAttributes(rules, 2012, 1, 2), dfFurikae) << "2012-01-01 is a Sunday";
    // However long the run, one Sunday in it is enough.
    std::vector<std::string> allButOne;
    for (int m = 1; m <= 12; ++m) {
        for (int d = 1; d <= 31; ++d) {
            if (m != 5 || d != 6) allButOne.push_back(std::to_string(m) + "," + std::to_string(d) + ",休");
        }
    }
    rules.HolidayList.Assign(allButOne);
    EXPECT_EQ(GetDayAttributes(rules, 2026, 5, 6), dfFurikae);
    EXPECT_EQ(GetDayAttributes(rules, 2026, 5, 7), dfHoliday);
}

TEST(DayClassifier, DaysBetweenTwoHolidays) {
    DayRuleSet rules = DefaultRules();
    for (const auto& [y, m, d] : {std::tuple{1988, 5, 4}, {2009, 9, 22}, {2015, 9, 22}, {2019, 4, 30}, {2019, 5, 2},
                                  {2026, 9, 22}, {2032, 9, 21}}) {
        SCOPED_TRACE(testing::Message() << y << "-" << m << "-" << d);
        EXPECT_EQ(GetDayAttributes(rules, y, m, d), dfHoliday);
        EXPECT_EQ(GetDayNames(rules, y, m, d), "国民の休日");
        EXPECT_EQ(GetDayFont(rules, y, m, d), kFontHoliday);
    }
    EXPECT_EQ(GetDayAttributes(rules, 1986, 5, 4), dfSunday) << "a Sunday stays a Sunday";
    rules.SpecialDayList.Assign({"9,22,記念日"});
    EXPECT_EQ(GetDayNames(rules, 2026, 9, 22), "記念日,国民の休日") << "the rule's name comes last";

    // The rule took effect on 1985-12-27 (a Friday).
    rules = DefaultRules();
    rules.HolidayList.Assign({"1985,0,12,25,A", "1985,0,12,27,B"});
    EXPECT_EQ(GetDayAttributes(rules, 1985, 12, 26), 0);
    rules.HolidayList.Assign({"1985,0,12,26,A", "1985,0,12,28,B"});
    EXPECT_EQ(GetDayNames(rules, 1985, 12, 27), "国民の休日");

    // The derived holidays go with the switches that make them.
    rules = DefaultRules();
    rules.AutoEquinox = false;
    EXPECT_EQ(GetDayAttributes(rules, 2026, 9, 22), 0) << "its second holiday is an equinox day";
    EXPECT_EQ(GetDayAttributes(rules, 2019, 4, 30), dfHoliday);
    rules.AutoFurikae = false;
    EXPECT_EQ(GetDayAttributes(rules, 2019, 4, 30), 0);
    EXPECT_EQ(GetDayNames(rules, 2019, 4, 30), "");
}

TEST(DayClassifier, ScheduledDaysComeFirst) {
    DayRuleSet rules = DefaultRules();
    rules.YoteiDayList.Assign({"1,1,初詣 神社"});
    rules.SpecialDayList.Assign({"1,1,誕生日"});
    EXPECT_EQ(GetDayAttributes(rules, 2006, 1, 1), dfSunday | dfHoliday | dfSpecialDay | dfYoteiDay);
    EXPECT_EQ(GetDayFont(rules, 2006, 1, 1), kFontYoteiDay);
    EXPECT_EQ(GetDayNames(rules, 2006, 1, 1), "\"初詣 神社\",誕生日,元日");
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
    // The derived holidays look at the days around a date.
    rules = DefaultRules();
    rules.HolidayList.Assign({"1,1,元旦", "3,x,壊れた行"});
    EXPECT_NO_THROW(GetDayAttributes(rules, 2006, 4, 2));
    try {
        GetDayAttributes(rules, 2006, 4, 1);
        FAIL() << "the malformed line of the day before was not reported";
    } catch (const EDayRuleError& e) {
        EXPECT_EQ(e.list, DayListKind::Holiday);
        EXPECT_EQ(e.lineIndex, 1u);
    }
}

// A list looks only at the lines of the month and year asked about, yet a
// line that would raise when read still raises.
TEST(DayClassifier, LinesOfOtherYearsAreSkippedUnlessReadingThemRaises) {
    struct Case {
        const char* line;
        bool raises;
        bool matches;  // 2007-01-01
    };
    const Case cases[] = {
        {"2006,0,1,1,A", false, false}, {"2007,0,1,1,A", false, true},  {"2006,1,1,1,A", false, false},
        {"2008,1,1,1,A", false, true},  {"2008,2,1,1,A", false, false}, {"2006,2,1,1,A", false, true},
        {"2006,5,1,1,A", false, true},  {"y,5,1,1,A", false, true},     {"y,0,1,1,A", true, false},
        {"2006,m,1,1,A", true, false},  {"2006,0,x,1,A", true, false},  {"2006,0,1,x,A", false, false},
        {"2007,0,1,x,A", true, false},  {"2006,0,1,1,x,A", false, false}, {"2007,0,1,1,x,A", true, false},
    };
    for (const Case& c : cases) {
        DayRuleSet rules;
        rules.SpecialDayList.Assign({"1,1,元日", c.line});
        if (c.raises) {
            EXPECT_THROW(GetDayAttributes(rules, 2007, 1, 1), EDayRuleError) << c.line;
        } else {
            EXPECT_EQ(GetDayNames(rules, 2007, 1, 1), c.matches ? "元日,A" : "元日") << c.line;
        }
    }
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
