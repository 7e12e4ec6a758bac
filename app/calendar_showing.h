// Showing and hiding the calendar window: from the start-up, the hot key,
// the close button and the auto-close timer. The window itself does the
// showing; this decides when, and what goes with it.
#pragma once

#include <cstdint>

#include "common/app_settings.h"
#include "app/tray_presence.h"

namespace zenka {

// A timer that fires once. Starting it while it runs changes nothing; its
// count goes on from the first start.
class OneShotTimer {
public:
    virtual ~OneShotTimer() = default;
    virtual bool Running() const = 0;
    virtual void Start(uint32_t milliseconds) = 0;
    virtual void Stop() = 0;
};

// What the calendar window does when asked.
class CalendarWindowHost {
public:
    virtual ~CalendarWindowHost() = default;
    virtual bool IsVisible() const = 0;
    virtual void MakeVisible() = 0;
    virtual void MakeInvisible() = 0;
    // Moves the window to the place kept for the screen, inside the work area.
    virtual void Reposition() = 0;
    virtual void BringToFront() = 0;
    // Opens the month schedule view (or brings it forward).
    virtual void OpenMonthSchedule() = 0;
    virtual void RefreshCaptionAndHint() = 0;
    // The calendar's selected day becomes today.
    virtual void GoToday() = 0;
    // Closes the main window, which ends the application.
    virtual void CloseMainWindow() = 0;
};

class CalendarShowing {
public:
    // Everything must outlive this object. The settings are read at each
    // use, so changes made while running take effect at the next show.
    CalendarShowing(CalendarWindowHost& window, OneShotTimer& tmrClose, const TrayPresence& tray,
                    const AppSettings& settings);

    // Makes the window visible and runs the show steps, or only brings it
    // forward when it is visible already.
    void ShowCalendar();
    // Makes the window invisible; the selected day goes back to today. The
    // auto-close timer goes on running.
    void HideCalendar();
    // The close button and "カレンダーを閉じる": hide, and end the
    // application when no day icon is in the notification area.
    void CloseCalendar();
    // The global key: does nothing unless a tray icon is there.
    void HotKeyPressed();
    // The auto-close timer fired.
    void tmrCloseTimer();

    bool Shown() const { return shown_; }

private:
    void OnShow();
    void OnHide();

    CalendarWindowHost& window_;
    OneShotTimer& tmrClose_;
    const TrayPresence& tray_;
    const AppSettings& settings_;
    bool shown_ = false;
};

}  // namespace zenka
