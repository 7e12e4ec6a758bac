#include "controls/month_calendar_access.h"

#include "calendar/tolerant_day_kind.h"

namespace zenka {

CalendarAccessModel::CalendarAccessModel(const TMonthlyCalendar& calendar) : calendar_(calendar) {
    const int rows = calendar.RowCount();
    const int32_t first = DateToJulius(calendar.Year(), calendar.Month(), 1);
    for (int row = 1; row < rows; ++row) {
        for (int column = 0; column < 7; ++column) {
            AccessibleDay day;
            day.julius = calendar.CellDay(column, row);
            day.date = JuliusToDate(day.julius);
            day.cell = {column, row};
            day.rect = calendar.CellRect(column, row);
            if (day.date.month != calendar.Month()) {
                if (!calendar.ShowNeighbor()) continue;
                day.month = day.julius < first ? DayMonth::Previous : DayMonth::Next;
            }
            day.selected = day.julius == calendar.JuliusDay();
            days_.push_back(day);
        }
    }
}

std::optional<size_t> CalendarAccessModel::SelectedIndex() const {
    for (size_t i = 0; i < days_.size(); ++i) {
        if (days_[i].selected) return i;
    }
    return std::nullopt;
}

std::optional<size_t> CalendarAccessModel::IndexOfCell(const GridCell& cell) const {
    for (size_t i = 0; i < days_.size(); ++i) {
        if (days_[i].cell == cell) return i;
    }
    return std::nullopt;
}

std::optional<size_t> CalendarAccessModel::IndexAt(int x, int y) const {
    const std::optional<GridCell> cell = calendar_.CellFromPoint(x, y);
    return cell ? IndexOfCell(*cell) : std::nullopt;
}

std::optional<size_t> CalendarAccessModel::Step(std::optional<size_t> from, DayStep step) const {
    if (days_.empty()) return std::nullopt;
    if (step == DayStep::First) return 0;
    if (step == DayStep::Last) return days_.size() - 1;
    if (!from || *from >= days_.size()) return std::nullopt;
    GridCell cell = days_[*from].cell;
    switch (step) {
        case DayStep::Next: return *from + 1 < days_.size() ? std::optional<size_t>(*from + 1) : std::nullopt;
        case DayStep::Previous: return *from > 0 ? std::optional<size_t>(*from - 1) : std::nullopt;
        case DayStep::Left: --cell.column; break;
        case DayStep::Right: ++cell.column; break;
        case DayStep::Up: --cell.row; break;
        case DayStep::Down: ++cell.row; break;
        case DayStep::First:
        case DayStep::Last: break;
    }
    return IndexOfCell(cell);
}

std::string AccessibleDayName(const TCustomCalendarEx2k& calendar, const CivilDate& date, const DayWording& wording) {
    const TolerantDayKind kind = ClassifyTolerantly(calendar.Rules(), date.year, date.month, date.day);
    return DescribeDay(kTrayTooltipParts, DescribedDayOf(date, kind.names), wording);
}

std::string_view DayMonthText(DayMonth month) {
    switch (month) {
        case DayMonth::Previous: return "前の月の日";
        case DayMonth::Next: return "次の月の日";
        case DayMonth::Shown: break;
    }
    return {};
}

}  // namespace zenka
