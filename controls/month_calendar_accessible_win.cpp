#include "controls/month_calendar_accessible_win.h"

#include "controls/month_calendar_access.h"
#include "controls/month_calendar_win.h"

namespace zenka {

namespace {

std::optional<DayStep> StepOf(long direction) {
    switch (direction) {
        case NAVDIR_LEFT: return DayStep::Left;
        case NAVDIR_RIGHT: return DayStep::Right;
        case NAVDIR_UP: return DayStep::Up;
        case NAVDIR_DOWN: return DayStep::Down;
        case NAVDIR_NEXT: return DayStep::Next;
        case NAVDIR_PREVIOUS: return DayStep::Previous;
        case NAVDIR_FIRSTCHILD: return DayStep::First;
        case NAVDIR_LASTCHILD: return DayStep::Last;
    }
    return std::nullopt;
}

}  // namespace

CalendarAccessible* CalendarAccessible::Create(MonthCalendarControl& control) {
    IAccessible* standard = MakeStandard(control.Handle());
    return standard ? new CalendarAccessible(control, standard) : nullptr;
}

CalendarAccessible::CalendarAccessible(MonthCalendarControl& control, IAccessible* standard)
    : ItemsAccessible(control.Handle(), standard, ROLE_SYSTEM_TABLE, ROLE_SYSTEM_CELL), control_(control) {}

std::string CalendarAccessible::Name() const { return control_.AccessibleName(); }

size_t CalendarAccessible::ItemCount() const { return CalendarAccessModel(control_).Days().size(); }

std::string CalendarAccessible::ItemName(size_t item) const {
    const AccessibleDay shown = CalendarAccessModel(control_).Days().at(item);
    return AccessibleDayName(control_, shown.date, control_.AccessibleWording());
}

std::string CalendarAccessible::ItemDescription(size_t item) const {
    return std::string(DayMonthText(CalendarAccessModel(control_).Days().at(item).month));
}

std::optional<size_t> CalendarAccessible::SelectedItem() const {
    return CalendarAccessModel(control_).SelectedIndex();
}

std::optional<RECT> CalendarAccessible::ItemPlace(size_t item) const {
    const Rect rect = CalendarAccessModel(control_).Days().at(item).rect;
    return RECT{rect.left, rect.top, rect.right, rect.bottom};
}

std::optional<size_t> CalendarAccessible::ItemAt(POINT client) const {
    return CalendarAccessModel(control_).IndexAt(client.x, client.y);
}

std::optional<size_t> CalendarAccessible::Step(std::optional<size_t> from, long direction) const {
    const std::optional<DayStep> step = StepOf(direction);
    return step ? CalendarAccessModel(control_).Step(from, *step) : std::nullopt;
}

HRESULT CalendarAccessible::SelectItem(size_t item) {
    try {
        control_.SelectAccessibleDay(CalendarAccessModel(control_).Days().at(item).julius);
        return S_OK;
    } catch (...) {
        // The step did not happen (a day in the 1582 gap, say); the date
        // stays as it was.
        return E_FAIL;
    }
}

}  // namespace zenka
