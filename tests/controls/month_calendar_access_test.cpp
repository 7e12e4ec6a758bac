#include "controls/month_calendar_access.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "calendar/default_holidays.h"
#include "calendar/julius.h"
#include "tests/fakes/fake_clock.h"

namespace zenka {
namespace {

// What a screen reader finds in a month, Monday first, the grid 140 pixels
// wide and 15 pixels a row so that a cell's place is easy to tell.
struct AccessCase {
    const char* what;
    CivilDate selected;
    bool fitRows;         // the rows follow the month, a first or last row of it allowed
    bool showNeighbours;  // what the calendar window's "近隣日を表示する" switches
    size_t count;
    CivilDate first, last;
    int previousDays, nextDays;
    size_t selectedIndex;
    GridCell selectedCell;
    std::string selectedName;
    // From the selected day; an empty date is no day.
    CivilDate left, right, up, down;
};

const CivilDate kNone{};

const AccessCase kAccessCases[] = {
    // 1 February 2027 is a Monday and the 28th a Sunday: four rows.
    {"four rows", {2027, 2, 11}, true, false, 28, {2027, 2, 1}, {2027, 2, 28}, 0, 0, 10, {3, 2},
     "令和9年(2027年)2月11日(木)大安 建国記念の日", {2027, 2, 10}, {2027, 2, 12}, {2027, 2, 4}, {2027, 2, 18}},
    {"four rows, neighbours", {2027, 2, 1}, true, true, 28, {2027, 2, 1}, {2027, 2, 28}, 0, 0, 0, {0, 1},
     "令和9年(2027年)2月1日(月)赤口", kNone, {2027, 2, 2}, kNone, {2027, 2, 8}},
    // The window's own options: six rows always, a month never in the first.
    {"the same month in six rows, neighbours", {2027, 2, 1}, false, true, 42, {2027, 1, 25}, {2027, 3, 7}, 7, 7, 7,
     {0, 2}, "令和9年(2027年)2月1日(月)赤口", kNone, {2027, 2, 2}, {2027, 1, 25}, {2027, 2, 8}},
    // December 2026 runs from Tuesday the 1st to Thursday the 31st.
    {"five rows", {2026, 12, 31}, true, false, 31, {2026, 12, 1}, {2026, 12, 31}, 0, 0, 30, {3, 5},
     "令和8年(2026年)12月31日(木)先負", {2026, 12, 30}, kNone, {2026, 12, 24}, kNone},
    {"five rows, neighbours", {2026, 12, 31}, true, true, 35, {2026, 11, 30}, {2027, 1, 3}, 1, 3, 31, {3, 5},
     "令和8年(2026年)12月31日(木)先負", {2026, 12, 30}, {2027, 1, 1}, {2026, 12, 24}, kNone},
    // March 2026 starts on a Sunday, in the last column.
    {"six rows", {2026, 3, 1}, true, false, 31, {2026, 3, 1}, {2026, 3, 31}, 0, 0, 0, {6, 1},
     "令和8年(2026年)3月1日(日)先勝", kNone, kNone, kNone, {2026, 3, 8}},
    {"six rows, neighbours", {2026, 3, 20}, true, true, 42, {2026, 2, 23}, {2026, 4, 5}, 6, 5, 25, {4, 4},
     "令和8年(2026年)3月20日(金)先負 春分の日", {2026, 3, 19}, {2026, 3, 21}, {2026, 3, 13}, {2026, 3, 27}},
};

TEST(CalendarAccessModel, TheDrawnDaysOfMonthsOfFourFiveAndSixRows) {
    for (const AccessCase& test : kAccessCases) {
        SCOPED_TRACE(test.what);
        FakeClock clock(test.selected.year, test.selected.month, test.selected.day);
        TMonthlyCalendar calendar(clock);
        calendar.SetFirstDayOfWeek(dowMon);
        calendar.SetAutoResize(test.fitRows);
        calendar.SetFirstRowFirstDay(test.fitRows);
        calendar.SetLastRowLastDay(test.fitRows);
        calendar.SetShowNeighbor(test.showNeighbours);
        calendar.SetHolidayList(DefaultHolidayLines());
        calendar.SetClientSize(140, 15 * calendar.RowCount());

        const CalendarAccessModel model(calendar);
        const auto& days = model.Days();
        ASSERT_EQ(days.size(), test.count);
        EXPECT_EQ(days.front().date, test.first);
        EXPECT_EQ(days.back().date, test.last);
        int previous = 0, next = 0, selected = 0;
        for (size_t i = 0; i < days.size(); ++i) {
            const AccessibleDay& day = days[i];
            if (i > 0) {
                EXPECT_EQ(day.julius, days[i - 1].julius + 1);
            }
            EXPECT_EQ(day.date, JuliusToDate(day.julius));
            previous += day.month == DayMonth::Previous;
            next += day.month == DayMonth::Next;
            selected += day.selected;
            // Where a reader points, the day is found again.
            EXPECT_EQ(model.IndexAt((day.rect.left + day.rect.right) / 2, (day.rect.top + day.rect.bottom) / 2), i);
        }
        EXPECT_EQ(previous, test.previousDays);
        EXPECT_EQ(next, test.nextDays);
        EXPECT_EQ(selected, 1);

        ASSERT_EQ(model.SelectedIndex(), test.selectedIndex);
        const AccessibleDay& chosen = days[test.selectedIndex];
        EXPECT_EQ(chosen.cell, test.selectedCell);
        const int column = test.selectedCell.column, row = test.selectedCell.row;
        EXPECT_EQ(chosen.rect, (Rect{20 * column, 15 * row, 20 * column + 20, 15 * row + 15}));
        EXPECT_EQ(AccessibleDayName(calendar, chosen.date, {}), test.selectedName);
        // The header row holds no day.
        EXPECT_EQ(model.IndexAt(70, 7), std::nullopt);

        const auto dateOf = [&](std::optional<size_t> index) { return index ? days.at(*index).date : kNone; };
        EXPECT_EQ(dateOf(model.Step(test.selectedIndex, DayStep::Left)), test.left);
        EXPECT_EQ(dateOf(model.Step(test.selectedIndex, DayStep::Right)), test.right);
        EXPECT_EQ(dateOf(model.Step(test.selectedIndex, DayStep::Up)), test.up);
        EXPECT_EQ(dateOf(model.Step(test.selectedIndex, DayStep::Down)), test.down);
        EXPECT_EQ(model.Step(std::nullopt, DayStep::First), 0u);
        EXPECT_EQ(model.Step(std::nullopt, DayStep::Last), days.size() - 1);
        EXPECT_EQ(model.Step(days.size() - 1, DayStep::Next), std::nullopt);
        EXPECT_EQ(model.Step(0, DayStep::Previous), std::nullopt);
        EXPECT_EQ(model.Step(1, DayStep::Previous), 0u);
    }
}

}  // namespace
}  // namespace zenka
