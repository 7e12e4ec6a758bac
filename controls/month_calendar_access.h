// The month calendar as a screen reader meets it: each drawn day is a
// child of the control, in the order the grid is read, with the cell it is
// drawn in, whether it belongs to a neighbouring month, whether it is the
// selected day, and its name in the words of the tray tooltip. The window
// layer answers the accessibility queries from this; which cell shows which
// day is TMonthlyCalendar's own layout.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/day_description.h"
#include "calendar/julius.h"
#include "common/rect.h"
#include "controls/month_calendar.h"

namespace zenka {

enum class DayMonth : uint8_t { Shown, Previous, Next };

struct AccessibleDay {
    int32_t julius = 0;
    CivilDate date;
    GridCell cell;
    Rect rect;  // client pixels
    DayMonth month = DayMonth::Shown;
    bool selected = false;

    friend bool operator==(const AccessibleDay&, const AccessibleDay&) = default;
};

// Moves between the days: by the grid's columns and rows, or through the
// children in their order.
enum class DayStep : uint8_t { Left, Right, Up, Down, First, Last, Next, Previous };

// The drawn days of the calendar as it stands; a change of the calendar
// asks for a new one.
class CalendarAccessModel {
public:
    explicit CalendarAccessModel(const TMonthlyCalendar& calendar);

    // Row by row, each left to right; a neighbour day counts only where it
    // is drawn.
    const std::vector<AccessibleDay>& Days() const { return days_; }
    std::optional<size_t> SelectedIndex() const;
    // The day drawn under a point of the client area, if any.
    std::optional<size_t> IndexAt(int x, int y) const;
    // The day a step leads to from a day; nothing past the drawn days. The
    // first and last steps need no day to start from.
    std::optional<size_t> Step(std::optional<size_t> from, DayStep step) const;

private:
    std::optional<size_t> IndexOfCell(const GridCell& cell) const;

    const TMonthlyCalendar& calendar_;
    std::vector<AccessibleDay> days_;
};

// "令和8年(2026年)12月9日(水)大安 記念日": the day as the tray tooltip
// words it. A day list line that cannot be read counts as not matching.
std::string AccessibleDayName(const TCustomCalendarEx2k& calendar, const CivilDate& date, const DayWording& wording);

// What tells a neighbour day from the shown month's: "前の月の日",
// "次の月の日", or nothing.
std::string_view DayMonthText(DayMonth month);

}  // namespace zenka
