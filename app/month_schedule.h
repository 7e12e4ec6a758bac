// What the month schedule view shows: one line for each day of the month
// the calendar shows, with its weekday and its names, in the colour the day
// has in the calendar.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/day_classifier.h"
#include "common/color.h"
#include "common/palette.h"

namespace zenka {

struct MonthScheduleLine {
    uint8_t day = 0;   // the day of the month the line stands for
    std::string text;  // " 1(日)元旦"
    // The day's font in the calendar; its colour is the line's.
    DayFontIndex font = kFontWeekday;

    friend bool operator==(const MonthScheduleLine&, const MonthScheduleLine&) = default;
};

struct MonthSchedule {
    int32_t year = 0;
    uint8_t month = 0;
    // Every day the month has, in order: October 1582 has no days 5 to 14.
    std::vector<MonthScheduleLine> lines;
    // Malformed day list lines met on the way; they counted as not matching.
    std::vector<EDayRuleError> badLines;
};

// The schedule of a month (1..12) over the day lists.
MonthSchedule FillMonthSchedule(const DayRuleSet& rules, int32_t year, uint8_t month);

struct LineColors {
    Color background = clWhite;
    Color text = clBlack;

    friend bool operator==(const LineColors&, const LineColors&) = default;
};

// A line is drawn in the palette's shade of its day's colour (red, green
// and blue, not a system colour) on the palette's ground, white in the
// light scheme; selected, the shade fills the line and the text takes the
// ground, as the calendar's selected day does.
LineColors MonthScheduleLineColors(const Palette& palette, Color dayColor, bool selected);

}  // namespace zenka
