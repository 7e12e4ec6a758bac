#include "controls/month_calendar_accessible_win.h"

#include <optional>
#include <string>

#include "controls/month_calendar_access.h"
#include "controls/month_calendar_win.h"

namespace zenka {

namespace {

constexpr long kSelf = -1;  // DayOf's answer for the control itself

void ChildOut(VARIANT* out, std::optional<size_t> day) {
    VariantInit(out);
    if (!day) return;
    out->vt = VT_I4;
    out->lVal = ChildIdOfDay(*day);
}

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
    : StandardAccessible(control.Handle(), standard), control_(control) {}

HRESULT CalendarAccessible::DayOf(const VARIANT& child, long& day) const {
    if (!Connected() || !control_.Handle()) return RPC_E_DISCONNECTED;
    if (child.vt != VT_I4) return E_INVALIDARG;
    if (child.lVal == CHILDID_SELF) {
        day = kSelf;
        return S_OK;
    }
    const CalendarAccessModel model(control_);
    if (child.lVal < 1 || static_cast<size_t>(child.lVal) > model.Days().size()) return E_INVALIDARG;
    day = child.lVal - 1;
    return S_OK;
}

HRESULT CalendarAccessible::get_accChildCount(long* count) {
    if (!count) return E_POINTER;
    if (!Connected() || !control_.Handle()) return RPC_E_DISCONNECTED;
    *count = static_cast<long>(CalendarAccessModel(control_).Days().size());
    return S_OK;
}

HRESULT CalendarAccessible::get_accChild(VARIANT child, IDispatch** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    long day;
    const HRESULT found = DayOf(child, day);
    if (FAILED(found)) return found;
    if (day == kSelf) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    return S_FALSE;  // the days are simple elements of the control
}

HRESULT CalendarAccessible::get_accName(VARIANT child, BSTR* name) {
    if (!name) return E_POINTER;
    *name = nullptr;
    long day;
    const HRESULT found = DayOf(child, day);
    if (FAILED(found)) return found;
    if (day == kSelf) return AccessibleStringOut(name, control_.AccessibleName());
    try {
        const AccessibleDay shown = CalendarAccessModel(control_).Days()[day];
        return AccessibleStringOut(name, AccessibleDayName(control_, shown.date, control_.AccessibleWording()));
    } catch (...) {
        return E_FAIL;
    }
}

HRESULT CalendarAccessible::get_accValue(VARIANT child, BSTR* value) {
    if (!value) return E_POINTER;
    *value = nullptr;
    long day;
    const HRESULT found = DayOf(child, day);
    return FAILED(found) ? found : DISP_E_MEMBERNOTFOUND;
}

HRESULT CalendarAccessible::get_accDescription(VARIANT child, BSTR* description) {
    if (!description) return E_POINTER;
    *description = nullptr;
    long day;
    const HRESULT found = DayOf(child, day);
    if (FAILED(found)) return found;
    if (day == kSelf) return S_FALSE;
    return AccessibleStringOut(description, std::string(DayMonthText(CalendarAccessModel(control_).Days()[day].month)));
}

HRESULT CalendarAccessible::get_accRole(VARIANT child, VARIANT* role) {
    if (!role) return E_POINTER;
    VariantInit(role);
    long day;
    const HRESULT found = DayOf(child, day);
    if (FAILED(found)) return found;
    role->vt = VT_I4;
    role->lVal = day == kSelf ? ROLE_SYSTEM_TABLE : ROLE_SYSTEM_CELL;
    return S_OK;
}

HRESULT CalendarAccessible::get_accState(VARIANT child, VARIANT* state) {
    if (!state) return E_POINTER;
    VariantInit(state);
    long day;
    const HRESULT found = DayOf(child, day);
    if (FAILED(found)) return found;
    if (day == kSelf) return Standard().get_accState(child, state);
    long flags = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
    if (CalendarAccessModel(control_).Days()[day].selected) {
        flags |= STATE_SYSTEM_SELECTED;
        if (GetFocus() == control_.Handle()) flags |= STATE_SYSTEM_FOCUSED;
    }
    if (!IsWindowVisible(control_.Handle())) flags |= STATE_SYSTEM_INVISIBLE;
    state->vt = VT_I4;
    state->lVal = flags;
    return S_OK;
}

HRESULT CalendarAccessible::get_accHelp(VARIANT child, BSTR* help) {
    if (!help) return E_POINTER;
    *help = nullptr;
    long day;
    const HRESULT found = DayOf(child, day);
    return FAILED(found) ? found : S_FALSE;
}

HRESULT CalendarAccessible::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
    if (file) *file = nullptr;
    if (topic) *topic = 0;
    long day;
    const HRESULT found = DayOf(child, day);
    return FAILED(found) ? found : S_FALSE;
}

HRESULT CalendarAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    if (!shortcut) return E_POINTER;
    *shortcut = nullptr;
    long day;
    const HRESULT found = DayOf(child, day);
    if (FAILED(found)) return found;
    return day == kSelf ? Standard().get_accKeyboardShortcut(child, shortcut) : S_FALSE;
}

HRESULT CalendarAccessible::get_accFocus(VARIANT* child) {
    if (!child) return E_POINTER;
    VariantInit(child);
    if (!Connected() || !control_.Handle()) return RPC_E_DISCONNECTED;
    if (GetFocus() != control_.Handle()) return S_FALSE;
    const CalendarAccessModel model(control_);
    child->vt = VT_I4;
    child->lVal = model.SelectedIndex() ? ChildIdOfDay(*model.SelectedIndex()) : CHILDID_SELF;
    return S_OK;
}

HRESULT CalendarAccessible::get_accSelection(VARIANT* children) {
    if (!children) return E_POINTER;
    if (!Connected() || !control_.Handle()) return RPC_E_DISCONNECTED;
    ChildOut(children, CalendarAccessModel(control_).SelectedIndex());
    return children->vt == VT_EMPTY ? S_FALSE : S_OK;
}

HRESULT CalendarAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
    if (!action) return E_POINTER;
    *action = nullptr;
    long day;
    const HRESULT found = DayOf(child, day);
    if (FAILED(found)) return found;
    if (day == kSelf) return Standard().get_accDefaultAction(child, action);
    return AccessibleStringOut(action, "選択");
}

HRESULT CalendarAccessible::SelectDay(long day) {
    try {
        control_.SelectAccessibleDay(CalendarAccessModel(control_).Days()[day].julius);
        return S_OK;
    } catch (...) {
        // The step did not happen (a day in the 1582 gap, say); the date
        // stays as it was.
        return E_FAIL;
    }
}

HRESULT CalendarAccessible::accSelect(long flags, VARIANT child) {
    long day;
    const HRESULT found = DayOf(child, day);
    if (FAILED(found)) return found;
    if (day == kSelf) return Standard().accSelect(flags, child);
    // The calendar has one selected day, which is also where its keys work.
    if (flags & (SELFLAG_ADDSELECTION | SELFLAG_REMOVESELECTION | SELFLAG_EXTENDSELECTION)) return E_INVALIDARG;
    if (flags & SELFLAG_TAKEFOCUS) SetFocus(control_.Handle());
    return flags & (SELFLAG_TAKESELECTION | SELFLAG_TAKEFOCUS) ? SelectDay(day) : S_OK;
}

HRESULT CalendarAccessible::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
    if (!left || !top || !width || !height) return E_POINTER;
    *left = *top = *width = *height = 0;
    long day;
    const HRESULT found = DayOf(child, day);
    if (FAILED(found)) return found;
    if (day == kSelf) return Standard().accLocation(left, top, width, height, child);
    const Rect rect = CalendarAccessModel(control_).Days()[day].rect;
    POINT origin{rect.left, rect.top};
    ClientToScreen(control_.Handle(), &origin);
    *left = origin.x;
    *top = origin.y;
    *width = rect.Width();
    *height = rect.Height();
    return S_OK;
}

HRESULT CalendarAccessible::accNavigate(long direction, VARIANT start, VARIANT* end) {
    if (!end) return E_POINTER;
    VariantInit(end);
    long day;
    const HRESULT found = DayOf(start, day);
    if (FAILED(found)) return found;
    const std::optional<DayStep> step = StepOf(direction);
    if (!step) return E_INVALIDARG;
    const bool intoChildren = *step == DayStep::First || *step == DayStep::Last;
    if (day == kSelf && !intoChildren) return Standard().accNavigate(direction, start, end);
    if (day != kSelf && intoChildren) return E_INVALIDARG;  // a day has no children
    const CalendarAccessModel model(control_);
    ChildOut(end, model.Step(day == kSelf ? std::nullopt : std::optional<size_t>(day), *step));
    return end->vt == VT_EMPTY ? S_FALSE : S_OK;
}

HRESULT CalendarAccessible::accHitTest(long x, long y, VARIANT* child) {
    if (!child) return E_POINTER;
    VariantInit(child);
    if (!Connected() || !control_.Handle()) return RPC_E_DISCONNECTED;
    POINT point{x, y};
    ScreenToClient(control_.Handle(), &point);
    RECT client;
    GetClientRect(control_.Handle(), &client);
    if (!PtInRect(&client, point)) return S_FALSE;
    const std::optional<size_t> day = CalendarAccessModel(control_).IndexAt(point.x, point.y);
    child->vt = VT_I4;
    child->lVal = day ? ChildIdOfDay(*day) : CHILDID_SELF;
    return S_OK;
}

HRESULT CalendarAccessible::accDoDefaultAction(VARIANT child) {
    long day;
    const HRESULT found = DayOf(child, day);
    if (FAILED(found)) return found;
    if (day == kSelf) return Standard().accDoDefaultAction(child);
    return SelectDay(day);
}

}  // namespace zenka
