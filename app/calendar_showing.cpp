#include "app/calendar_showing.h"

namespace zenka {

CalendarShowing::CalendarShowing(CalendarWindowHost& window, OneShotTimer& tmrClose, const TrayPresence& tray,
                                 const AppSettings& settings)
    : window_(window), tmrClose_(tmrClose), tray_(tray), settings_(settings) {}

void CalendarShowing::ShowCalendar() {
    if (window_.IsVisible()) {
        window_.BringToFront();
        return;
    }
    window_.MakeVisible();
    OnShow();
}

void CalendarShowing::HideCalendar() {
    if (!window_.IsVisible()) return;
    window_.MakeInvisible();
    OnHide();
}

void CalendarShowing::CloseCalendar() {
    HideCalendar();
    if (!tray_.DayIconVisible()) window_.CloseMainWindow();
}

void CalendarShowing::HotKeyPressed() {
    if (!tray_.AnyIconVisible()) return;
    if (shown_) {
        HideCalendar();
    } else {
        ShowCalendar();
    }
}

void CalendarShowing::tmrCloseTimer() {
    tmrClose_.Stop();
    HideCalendar();
}

void CalendarShowing::OnShow() {
    window_.Reposition();
    shown_ = true;
    window_.BringToFront();
    if (settings_.form.w) window_.OpenMonthSchedule();
    // A calendar-only start has no tray icon to bring the window back with,
    // so it never closes by itself. An interval of 0 or less never fires.
    // A timer already running keeps its count: the delay runs from the
    // show that started it, not from the latest.
    if (!settings_.kidou.cal && settings_.autoClose.onOff && settings_.autoClose.interval > 0 &&
        !tmrClose_.Running()) {
        tmrClose_.Start(static_cast<uint32_t>(settings_.autoClose.interval));
    }
    window_.RefreshCaptionAndHint();
}

void CalendarShowing::OnHide() {
    window_.GoToday();
    shown_ = false;
}

}  // namespace zenka
