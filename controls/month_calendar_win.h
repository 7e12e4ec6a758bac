// The month calendar as a Win32 child window. The window owns the offscreen
// bitmap the grid is drawn into and the fonts drawn with; which cell shows
// what, and how keys and presses move the date, are TMonthlyCalendar's
// rules. The grid is drawn into the bitmap whenever something changes, and a
// paint only copies the bitmap, so the screen never shows a half-drawn grid.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "calendar/day_description.h"
#include "controls/gdi_canvas_win.h"
#include "controls/month_calendar.h"
#include "controls/standard_accessible_win.h"
#include "controls/window_base_win.h"

namespace zenka {

extern const wchar_t* const kMonthCalendarClass;  // "TMonthlyCalendar"

class MonthCalendarControl : public TMonthlyCalendar, public WindowBase {
public:
    // The clock gives today's date and must outlive the control.
    explicit MonthCalendarControl(const Clock& clock);
    // Destroys the window if it is still there.
    ~MonthCalendarControl() override;

    // Creates the window: a child with a sunken edge, in the tab order.
    // False when that fails.
    bool Create(HWND parent, int x, int y, int width, int height, int id = 0);

    // The window's own events, for the host. A key reaches OnKeyDown after
    // the control has handled its own keys; a press reaches OnMouseDown
    // before the control selects the day under it. Errors a handler raises
    // go to the general error report; those of the control's own moves (a
    // step into the 1582 gap) come before the date changes, so the date
    // stays as it was.
    std::function<void(MonthCalendarControl& sender, WORD key)> OnKeyDown;
    std::function<void(MonthCalendarControl& sender, int x, int y)> OnMouseDown;
    std::function<void(MonthCalendarControl& sender)> OnClick;
    std::function<void(MonthCalendarControl& sender)> OnDblClick;
    // Day list lines the drawing met that cannot be read; the grid counts
    // them as not matching. The host tells the user, once per line.
    std::function<void(const std::vector<EDayRuleError>& lines)> OnUnreadableLines;

    // What screen readers are told (month_calendar_accessible_win.h): the
    // control's name, the calendar window's caption, and how its days are
    // worded. Every change of the date raises the focus (while the control
    // has it) and selection events on the selected day; a change of the
    // name raises its own event.
    const std::string& AccessibleName() const { return accessibleName_; }
    void SetAccessibleName(std::string name);
    const DayWording& AccessibleWording() const { return accessibleWording_; }
    void SetAccessibleWording(const DayWording& wording) { accessibleWording_ = wording; }
    // A reader's choice of a day: it is selected as a press on it would.
    void SelectAccessibleDay(int32_t julius);

protected:
    void Render() override;
    void DoDayChange(int32_t y, uint8_t m, uint8_t d) override;

private:
    void OnCreate() override;
    void OnSize(int width, int height) override { Resize(width, height); }
    void OnPaint(HDC dc) override;
    void OnDestroy() override;
    void OnGone() override { ReleaseBitmap(); }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Resize(int width, int height);
    void ReleaseBitmap();
    void PaintEdge();
    bool KeyPressed(WORD key);
    void MousePressed(LPARAM point);
    // The focus (while the control has it) and the selection on the
    // selected day.
    void AnnounceSelectedDay();

    HDC bitmapDc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    FontCache fonts_;
    bool leftPressed_ = false;
    bool reportingRenderError_ = false;
    std::string accessibleName_;
    DayWording accessibleWording_;
    AccessibleSlot accessible_;
};

}  // namespace zenka
