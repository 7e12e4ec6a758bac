#include "calendar/day_description.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

namespace zenka {
namespace {

TEST(DayDescription, EachWordingWritesItsPartsOfTheDay) {
    const std::span<const DayPart> tray = kTrayTooltipParts;
    const std::span<const DayPart> hint = kCalendarHintParts;
    const std::span<const DayPart> line = kScheduleLineParts;
    const DayWording eraFirst{.eraFirst = true, .rokuyo = false};
    const DayWording eraFirstRokuyo{.eraFirst = true, .rokuyo = true};
    const DayWording westernFirst{.eraFirst = false, .rokuyo = false};
    const DayWording westernFirstRokuyo{.eraFirst = false, .rokuyo = true};
    struct Case {
        std::span<const DayPart> parts;
        CivilDate date;
        const char* names;
        DayWording wording;
        const char* text;
    };
    const Case cases[] = {
        // The tray tooltip: era year, date, weekday, rokuyo when wanted, names.
        {tray, {2006, 1, 1}, "元旦", eraFirst, "平成18年(2006年)1月1日(日)元旦"},
        {tray, {2006, 1, 1}, "元旦", eraFirstRokuyo, "平成18年(2006年)1月1日(日)先勝 元旦"},
        {tray, {2006, 1, 1}, "元旦", westernFirstRokuyo, "2006年(平成18年)1月1日(日)先勝 元旦"},
        {tray, {2026, 1, 1}, "元日", eraFirstRokuyo, "令和8年(2026年)1月1日(木)大安 元日"},
        {tray, {2026, 1, 1}, "元日", westernFirst, "2026年(令和8年)1月1日(木)元日"},
        {tray, {2006, 1, 7}, "", eraFirstRokuyo, "平成18年(2006年)1月7日(土)先勝"},
        {tray, {2006, 1, 7}, "散髪,\"a b\"", eraFirst, "平成18年(2006年)1月7日(土)散髪,\"a b\""},
        // The era of the day itself at the two changes of this age.
        {tray, {1989, 1, 7}, "", eraFirst, "昭和64年(1989年)1月7日(土)"},
        {tray, {1989, 1, 8}, "", eraFirst, "平成元年(1989年)1月8日(日)"},
        {tray, {1989, 1, 8}, "", westernFirst, "1989年(平成元年)1月8日(日)"},
        {tray, {2019, 4, 30}, "国民の休日", eraFirst, "平成31年(2019年)4月30日(火)国民の休日"},
        {tray, {2019, 5, 1}, "即位の日", eraFirstRokuyo, "令和元年(2019年)5月1日(水)大安 即位の日"},
        {tray, {1926, 12, 25}, "", westernFirst, "1926年(昭和元年)12月25日(土)"},
        {tray, {1868, 10, 22}, "", eraFirst, "1868年10月22日(木)"},
        // Outside the old-calendar table there is no rokuyo.
        {tray, {2300, 1, 1}, "", westernFirstRokuyo, "2300年(令和282年)1月1日(月)"},
        // The calendar's tooltip: rokuyo and names.
        {hint, {2006, 1, 1}, "元旦", eraFirstRokuyo, "先勝 元旦"},
        {hint, {2006, 1, 1}, "元旦", eraFirst, "元旦"},
        {hint, {2006, 1, 3}, "", eraFirstRokuyo, "先負"},
        {hint, {2006, 1, 3}, "", eraFirst, ""},
        {hint, {1899, 12, 31}, "記念日", eraFirstRokuyo, "記念日"},
        // The month schedule view's lines: the day in two places, weekday, names.
        {line, {2006, 1, 1}, "元旦", eraFirstRokuyo, " 1(日)元旦"},
        {line, {2006, 11, 23}, "勤労感謝の日", eraFirst, "23(木)勤労感謝の日"},
        {line, {2006, 1, 10}, "", eraFirst, "10(火)"},
        {line, {1582, 10, 15}, "", eraFirst, "15(金)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.date.year << "-" << int{c.date.month} << "-" << int{c.date.day});
        EXPECT_EQ(DescribeDay(c.parts, DescribedDayOf(c.date, c.names), c.wording), c.text);
    }
}

TEST(DayDescription, WeekdayLettersAndADayOfTheGap) {
    std::string letters;
    for (uint8_t w = 0; w <= 8; ++w) letters += std::string(WeekdayLetter(w)) + "|";
    EXPECT_EQ(letters, "|日|月|火|水|木|金|土||");
    EXPECT_THROW(DescribedDayOf({1582, 10, 10}, ""), EJuliusError);
}

}  // namespace
}  // namespace zenka
