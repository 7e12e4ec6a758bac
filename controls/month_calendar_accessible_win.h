// What screen readers get from the month calendar through Active
// Accessibility: the control is a table named by the calendar window's
// caption, its children are the drawn days (cells named as the tray tooltip
// words them, the selected one selected and, while the control has the
// focus, focused), each with its place on the screen; navigation follows
// the grid and a point finds the day under it.
//
// The standard client object of the window answers what concerns the window
// as a whole (standard_accessible_win.h); the days are answered here from
// CalendarAccessModel.
#pragma once

#include "controls/standard_accessible_win.h"

namespace zenka {

class MonthCalendarControl;

class CalendarAccessible final : public StandardAccessible {
public:
    // Null when the standard object cannot be made.
    static CalendarAccessible* Create(MonthCalendarControl& control);

    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;

private:
    CalendarAccessible(MonthCalendarControl& control, IAccessible* standard);

    // The day a child identifier names, 0-based; none for the control
    // itself. E_INVALIDARG for an identifier that names nothing,
    // RPC_E_DISCONNECTED once the control is gone.
    HRESULT DayOf(const VARIANT& child, long& day) const;
    HRESULT SelectDay(long day);

    MonthCalendarControl& control_;
};

// The child identifier of a day, 0-based: the first day is child 1.
inline long ChildIdOfDay(size_t day) { return static_cast<long>(day) + 1; }

}  // namespace zenka
