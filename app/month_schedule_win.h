// TfrmMemo, the month schedule view: a small sizeable tool window listing
// every day of the month the calendar shows, each line in its day's colour.
// The navigation buttons of the calendar window refill it; a double click
// on a line opens that day in the calendar; Enter closes it. Its place and
// size are read when it is made and written when it closes.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "app/month_schedule.h"
#include "app/month_schedule_layout.h"
#include "app/bad_line_report.h"
#include "calendar/tolerant_day_kind.h"
#include "common/palette.h"
#include "controls/gdi_canvas_win.h"
#include "controls/month_calendar.h"
#include "controls/window_base_win.h"

namespace zenka {

extern const wchar_t* const kMonthScheduleClass;  // "TfrmMemo"

// The view's children, by control identifier.
enum MonthScheduleControl : int {
    idMemoLabel1 = 1,
    idMemoPanelButton7,
    idMemoListBox1,
    idMemoStatusBar1,
};

// What the view asks of the calendar window.
class MonthScheduleHost {
public:
    virtual ~MonthScheduleHost() = default;
    // The calendar window's caption, "平成18年12月".
    virtual std::string CalendarCaptionText() const = 0;
    // A line was double-clicked: the calendar selects the day and runs its
    // double-click action.
    virtual void OpenScheduleDay(int32_t year, uint8_t month, uint8_t day) = 0;
    // How the lines write a day: with solar terms and 雑節 or without.
    virtual DayWording ScheduleWording() const = 0;
    // How a screen reader hears a line's day: as the calendar's days.
    virtual DayWording ReaderWording() const = 0;
};

class TfrmMemo : public WindowBase {
public:
    // The calendar gives the month, the day lists and the colours; the
    // reports tell each malformed list line once. Everything must outlive
    // the view.
    TfrmMemo(const TCustomCalendarEx2k& calendar, MonthScheduleHost& host, BadLineReport& reports);
    ~TfrmMemo();
    TfrmMemo(const TfrmMemo&) = delete;
    TfrmMemo& operator=(const TfrmMemo&) = delete;

    // Makes the window, hidden, at its stored place and size; false when
    // it cannot be made.
    bool Create(HWND owner);
    // Shows the window filled, in the foreground.
    void Show();
    // Lists the month the calendar shows now.
    void Fill();
    // Writes the place and size, then destroys the window.
    void Close();
    // Draws in the theme's colours from now on.
    void SetPalette(const Palette& palette);
    const Palette& CurrentPalette() const { return palette_; }

    HWND Child(MonthScheduleControl id) const { return GetDlgItem(hwnd_, id); }
    const MonthSchedule& Schedule() const { return schedule_; }
    const MonthScheduleLayout& Layout() const { return layout_; }

private:
    void OnSize(int, int) override { ApplyLayout(); }
    void OnCommand(int id, UINT code, HWND control) override;
    void OnClose() override { Close(); }
    void OnDestroy() override { FormDestroy(); }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    void CreateChildren();
    void ApplyLayout();
    void ApplyFonts();
    void DrawItem(const DRAWITEMSTRUCT& item);
    void DrawStatus(const DRAWITEMSTRUCT& item);
    void ShowStatusText();
    void ReplaceBrushes();
    void ListBox1DblClick();
    void FormDestroy();

    const TCustomCalendarEx2k& calendar_;
    MonthScheduleHost& host_;
    BadLineReport& reports_;
    MonthSchedule schedule_;
    MonthScheduleLayout layout_;
    HWND tooltip_ = nullptr;
    HFONT listFont_ = nullptr;
    HFONT labelFont_ = nullptr;
    HFONT statusFont_ = nullptr;
    int fontsDpi_ = 0;  // the DPI the fonts were made for
    Palette palette_ = PaletteFor(ThemeState{});
    HBRUSH faceBrush_ = nullptr;
    HBRUSH groundBrush_ = nullptr;
    // The list's font as each kind of day is lettered, where the palette
    // marks the kinds.
    FontCache markedFonts_;
    FontDescription listFontDescription_;
};

}  // namespace zenka
