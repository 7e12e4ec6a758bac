// What screen readers get from the month calendar through Active
// Accessibility: the control is a table named by the calendar window's
// caption, its children are the drawn days (cells named as the tray tooltip
// words them, the neighbouring months' described as such), each with its
// place on the screen; navigation follows the grid and a point finds the
// day under it. The days are answered from CalendarAccessModel.
#pragma once

#include "controls/items_accessible_win.h"

namespace zenka {

class MonthCalendarControl;

class CalendarAccessible final : public ItemsAccessible {
public:
    // Null when the standard object cannot be made.
    static CalendarAccessible* Create(MonthCalendarControl& control);

private:
    CalendarAccessible(MonthCalendarControl& control, IAccessible* standard);

    std::string Name() const override;
    size_t ItemCount() const override;
    std::string ItemName(size_t item) const override;
    std::string ItemDescription(size_t item) const override;
    std::optional<size_t> SelectedItem() const override;
    std::optional<RECT> ItemPlace(size_t item) const override;
    std::optional<size_t> ItemAt(POINT client) const override;
    std::optional<size_t> Step(std::optional<size_t> from, long direction) const override;
    HRESULT SelectItem(size_t item) override;
    std::string ItemAction() const override { return "選択"; }
    HRESULT DoItemAction(size_t item) override { return SelectItem(item); }

    MonthCalendarControl& control_;
};

}  // namespace zenka
