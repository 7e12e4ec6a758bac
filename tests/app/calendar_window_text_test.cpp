// The calendar window's caption and tooltip texts.
#include "app/calendar_window_text.h"

#include <gtest/gtest.h>

#include "calendar/day_classifier.h"
#include "calendar/default_holidays.h"
#include "calendar/era.h"
#include "calendar/julius.h"

namespace zenka {
namespace {

TEST(CalendarWindowText, CaptionShowsTheEraYearOrTheWesternYear) {
    EXPECT_EQ(CalendarCaption(1988, 4, true), "昭和63年4月");
    EXPECT_EQ(CalendarCaption(1989, 1, true), "平成元年1月");
    EXPECT_EQ(CalendarCaption(2006, 12, true), "平成18年12月");
    EXPECT_EQ(CalendarCaption(1926, 5, true), "昭和元年5月");
    EXPECT_EQ(CalendarCaption(1925, 3, true), "1925年3月");
    EXPECT_EQ(CalendarCaption(1900, 1, true), "1900年1月");
    EXPECT_EQ(CalendarCaption(2019, 1, true), "令和元年1月");
    EXPECT_EQ(CalendarCaption(2026, 12, true), "令和8年12月");
    EXPECT_EQ(CalendarCaption(2006, 12, false), "2006年12月");
}

TEST(CalendarWindowText, HintIsTheRokuyoAndTheNamesOfTheSelectedDay) {
    DayRuleSet rules;
    rules.HolidayList.Assign(DefaultHolidayLines());
    const auto hint = [&](bool rokuyo, int32_t y, uint8_t m, uint8_t d) {
        return CalendarHintText(rokuyo, DateToJulius(y, m, d), GetDayNames(rules, y, m, d));
    };
    EXPECT_EQ(TooltipRokuyoName(DateToJulius(2006, 1, 1)), "先勝 ");
    EXPECT_EQ(hint(true, 2006, 1, 1), "先勝 元旦");
    EXPECT_EQ(hint(false, 2006, 1, 1), "元旦");
    EXPECT_EQ(hint(true, 2006, 1, 3), "先負") << "a day without names: the rokuyo alone, no trailing blank";
    EXPECT_EQ(hint(false, 2006, 1, 3), "") << "rokuyo off and no names: nothing to show";
    // Before the old-calendar table there is no rokuyo.
    EXPECT_EQ(TooltipRokuyoName(DateToJulius(1899, 12, 31)), "");
    EXPECT_EQ(hint(true, 1899, 12, 31), "");
    EXPECT_EQ(CalendarHintText(true, DateToJulius(1899, 12, 31), " 記念日 "), "記念日");
}

}  // namespace
}  // namespace zenka
