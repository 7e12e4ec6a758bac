#include "calendar/era.h"

#include <gtest/gtest.h>

#include <string>

namespace zenka {
namespace {

// Each era's first day and the day before it, and a few days inside.
TEST(Era, TheEraOfADayIsTheOneInForceOnIt) {
    struct Case {
        CivilDate date;
        const char* eraYear;
        const char* tooltipEraFirst;
        const char* tooltipWesternFirst;
    };
    const Case cases[] = {
        {{1868, 10, 22}, "1868", "1868年", "1868年"},
        {{1868, 10, 23}, "明治元", "明治元年(1868年)", "1868年(明治元年)"},
        {{1869, 1, 1}, "明治2", "明治2年(1869年)", "1869年(明治2年)"},
        {{1912, 7, 29}, "明治45", "明治45年(1912年)", "1912年(明治45年)"},
        {{1912, 7, 30}, "大正元", "大正元年(1912年)", "1912年(大正元年)"},
        {{1926, 12, 24}, "大正15", "大正15年(1926年)", "1926年(大正15年)"},
        {{1926, 12, 25}, "昭和元", "昭和元年(1926年)", "1926年(昭和元年)"},
        {{1927, 1, 1}, "昭和2", "昭和2年(1927年)", "1927年(昭和2年)"},
        {{1989, 1, 7}, "昭和64", "昭和64年(1989年)", "1989年(昭和64年)"},
        {{1989, 1, 8}, "平成元", "平成元年(1989年)", "1989年(平成元年)"},
        {{2018, 12, 31}, "平成30", "平成30年(2018年)", "2018年(平成30年)"},
        {{2019, 4, 30}, "平成31", "平成31年(2019年)", "2019年(平成31年)"},
        {{2019, 5, 1}, "令和元", "令和元年(2019年)", "2019年(令和元年)"},
        {{2026, 12, 9}, "令和8", "令和8年(2026年)", "2026年(令和8年)"},
        {{1582, 10, 10}, "1582", "1582年", "1582年"},
        {{-4712, 1, 1}, "-4712", "-4712年", "-4712年"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.date.year << "-" << int{c.date.month} << "-" << int{c.date.day});
        EXPECT_EQ(EraYearText(c.date), c.eraYear);
        EXPECT_EQ(TooltipEraText(c.date, true), c.tooltipEraFirst);
        EXPECT_EQ(TooltipEraText(c.date, false), c.tooltipWesternFirst);
        EXPECT_EQ(CalendarCaption(c.date, true), std::string(c.eraYear) + "年" + std::to_string(c.date.month) + "月");
        EXPECT_EQ(CalendarCaption(c.date, false), std::to_string(c.date.year) + "年" + std::to_string(c.date.month) + "月");
    }
    ASSERT_EQ(Eras().size(), 5u);
    for (const Era& era : Eras()) EXPECT_EQ(EraOn(era.firstDay), &era) << era.name;
}

TEST(Era, AMonthCaptionNamesBothErasWhenOneBeginsAfterTheFirst) {
    struct Case {
        int32_t year;
        uint8_t month;
        const char* caption;
    };
    const Case cases[] = {
        {1868, 9, "1868年9月"},
        {1868, 10, "1868年・明治元年10月"},
        {1868, 11, "明治元年11月"},
        {1912, 7, "明治45年・大正元年7月"},
        {1926, 12, "大正15年・昭和元年12月"},
        {1988, 12, "昭和63年12月"},
        {1989, 1, "昭和64年・平成元年1月"},
        {1989, 2, "平成元年2月"},
        {2019, 4, "平成31年4月"},
        {2019, 5, "令和元年5月"},
        {2026, 12, "令和8年12月"},
        {1582, 10, "1582年10月"},
    };
    for (const Case& c : cases) EXPECT_EQ(MonthCaption(c.year, c.month), c.caption) << c.year << "-" << int{c.month};
}

}  // namespace
}  // namespace zenka
