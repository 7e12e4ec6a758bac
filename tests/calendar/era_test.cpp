#include "calendar/era.h"

#include <gtest/gtest.h>

namespace zenka {
namespace {

TEST(Era, CalendarCaption) {
    EXPECT_EQ(CalendarCaption(1925, 1, true), "1925年1月");
    EXPECT_EQ(CalendarCaption(1926, 5, true), "昭和元年5月");
    EXPECT_EQ(CalendarCaption(1988, 1, true), "昭和63年1月");
    EXPECT_EQ(CalendarCaption(1989, 1, true), "平成元年1月");
    EXPECT_EQ(CalendarCaption(2006, 12, true), "平成18年12月");
    EXPECT_EQ(CalendarCaption(2018, 12, true), "平成30年12月");
    EXPECT_EQ(CalendarCaption(2019, 1, true), "令和元年1月");
    EXPECT_EQ(CalendarCaption(2026, 12, true), "令和8年12月");
    EXPECT_EQ(CalendarCaption(2006, 12, false), "2006年12月");
    EXPECT_EQ(CalendarCaption(1900, 1, true), "1900年1月");
}

TEST(Era, TooltipYear) {
    EXPECT_EQ(TooltipEraText(1925, true), "1925年");
    EXPECT_EQ(TooltipEraText(1925, false), "1925年");
    EXPECT_EQ(TooltipEraText(1926, true), "昭和元年(1926年)");
    EXPECT_EQ(TooltipEraText(1926, false), "1926年(昭和元年)");
    EXPECT_EQ(TooltipEraText(1988, true), "昭和63年(1988年)");
    EXPECT_EQ(TooltipEraText(1989, false), "1989年(平成元年)");
    EXPECT_EQ(TooltipEraText(2006, true), "平成18年(2006年)");
    EXPECT_EQ(TooltipEraText(2018, false), "2018年(平成30年)");
    EXPECT_EQ(TooltipEraText(2019, true), "令和元年(2019年)");
    EXPECT_EQ(TooltipEraText(2026, true), "令和8年(2026年)");
    EXPECT_EQ(TooltipEraText(2026, false), "2026年(令和8年)");
}

}  // namespace
}  // namespace zenka
