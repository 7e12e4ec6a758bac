// The entry controls of the day-list tabs and the editor: the line they
// compose, their number boxes and what the calendar's date puts in them.
#include "daylists/entry_controls.h"

#include <gtest/gtest.h>

#include "calendar/day_rule.h"

namespace zenka {
namespace {

EntryControls DateForm(bool year, int32_t y, std::optional<int32_t> mode, int32_t month, int32_t day) {
    EntryControls c;
    c.yearChecked = year, c.year = y, c.yearMode = mode, c.month = month, c.day = day, c.content = "x";
    return c;
}

EntryControls WeekForm(bool year, int32_t y, std::optional<int32_t> mode, int32_t month, int32_t n, int32_t weekday) {
    EntryControls c;
    c.weekForm = true;
    c.yearChecked = year, c.year = y, c.yearMode = mode, c.weekMonth = month, c.weekNumber = n, c.weekday = weekday;
    c.content = "x";
    // The other form's boxes take no part.
    c.month = 9, c.day = 9;
    return c;
}

TEST(ComposeDayRule, JoinsTheChosenControlsInTheOrderOfTheRuleForms) {
    struct Case {
        EntryControls controls;
        int32_t defaultMode;
        const char* line;
    };
    EntryControls unchecked = DateForm(false, 2006, 2, 12, 23);
    unchecked.weekMonth = 7;  // the week form's boxes take no part either
    const Case cases[] = {
        {WeekForm(true, 2005, kThatYearAndLater, 1, 2, 2), kOnlyThatYear, "2005,2,1,2,2,x"},
        {unchecked, kOnlyThatYear, "12,23,x"},
        {WeekForm(true, 2006, std::nullopt, 5, 2, 1), kOnlyThatYear, "2006,0,5,2,1,x"},
        {WeekForm(false, 2006, std::nullopt, 5, 2, 1), kOnlyThatYear, "5,2,1,x"},
        {DateForm(true, 2006, std::nullopt, 1, 10), kThatYearAndLater, "2006,2,1,10,x"},
        {DateForm(true, 1999, kThatYearAndEarlier, 1, 15), kThatYearAndLater, "1999,1,1,15,x"},
        {DateForm(true, 2999, kOnlyThatYear, 12, 31), kThatYearAndLater, "2999,0,12,31,x"},
    };
    for (const Case& c : cases) EXPECT_EQ(ComposeDayRule(c.controls, c.defaultMode), c.line);

    // Whatever the content, it is the last field as typed.
    EntryControls c = DateForm(false, 0, std::nullopt, 1, 10);
    c.content = " 成人式 ";
    EXPECT_EQ(ComposeDayRule(c, kOnlyThatYear), "1,10, 成人式 ");
}

TEST(EntryControls, WeekNumbersAndWeekdays) {
    const int32_t weeks[][2] = {{1, 1}, {7, 1}, {8, 2}, {14, 2}, {15, 3}, {21, 3}, {22, 4}, {28, 4}, {29, 5}, {31, 5}};
    for (const auto& [day, week] : weeks) EXPECT_EQ(WeekNumberOfDay(day), week) << day;

    // As the calendar reads a rule's weekday: 0 is Saturday, 8 Sunday.
    const int32_t weekdays[][2] = {{1, 1}, {7, 7}, {0, 7}, {8, 1}, {9, 2}, {-1, 6}, {INT32_MIN, 5}, {INT32_MAX, 1}};
    for (const auto& [number, item] : weekdays) EXPECT_EQ(WeekdayItemOf(number), item) << number;
    EXPECT_STREQ(kWeekdayNames[0], "日");
    EXPECT_STREQ(kWeekdayNames[6], "土");
}

TEST(EntryControls, EachTabStartsWithItsOwnYearBoxAndDefaultMode) {
    EXPECT_EQ(DefaultYearMode(DayListKind::Yotei), kOnlyThatYear);
    EXPECT_EQ(DefaultYearMode(DayListKind::Special), kThatYearAndLater);
    EXPECT_EQ(DefaultYearMode(DayListKind::Holiday), kThatYearAndLater);
    EXPECT_TRUE(InitialEntryControls(DayListKind::Yotei).yearChecked);
    EXPECT_FALSE(InitialEntryControls(DayListKind::Special).yearChecked);
    EXPECT_FALSE(InitialEntryControls(DayListKind::Holiday).yearChecked);

    EntryControls c = InitialEntryControls(DayListKind::Special);
    EXPECT_EQ(EntryEnablingOf(c), (EntryEnabling{false, true, false}));
    c.yearChecked = true, c.weekForm = true;
    EXPECT_EQ(EntryEnablingOf(c), (EntryEnabling{true, false, true}));
}

TEST(EntryControls, TheCalendarsDatePresetsTheDateBoxesOnly) {
    EntryControls c = WeekForm(false, 1999, kThatYearAndEarlier, 1, 1, 2);
    c.content = "kept";
    PresetEntryControls(c, {2006, 12, 23});  // a Saturday in the fourth week
    EntryControls expected = c;
    expected.year = 2006, expected.month = 12, expected.weekMonth = 12, expected.day = 23;
    expected.weekNumber = 4, expected.weekday = 7;
    EXPECT_EQ(c, expected);

    PresetEntryControls(c, {1850, 1, 31});  // before the year box's range
    EXPECT_EQ(c.year, 1900);
    EXPECT_EQ(c.weekNumber, 5);
    EXPECT_EQ(c.weekday, 5);  // the date's own weekday, Thursday
}

}  // namespace
}  // namespace zenka
