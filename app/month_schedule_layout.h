// Where everything sits in the month schedule view: the caption and the
// close button on a panel along the top, the list below it down to the
// status bar. Sizes are designed for a 96-DPI screen and scaled like the
// calendar window's; the close button keeps to the right edge.
#pragma once

#include <cstdint>

#include "app/calendar_window_layout.h"
#include "app/settings_bulk.h"

namespace zenka {

struct MonthScheduleLayout {
    int dpi = kDesignDpi;
    LayoutBox label1;
    LayoutBox panelButton7;  // close
    LayoutBox listBox1;
    int32_t listFontHeight = -13;  // the fixed-pitch face, as the platform takes it
    int itemHeight = 13;           // a line is as tall as the characters
    int32_t labelFontHeight = -12;
    int32_t statusFontHeight = -12;
};

// The layout for a client area of the given size whose status bar, along
// the bottom, is statusBarHeight pixels tall.
MonthScheduleLayout LayOutMonthSchedule(int clientWidth, int clientHeight, int statusBarHeight, int dpi);

// The smallest outer size at 96 DPI: the caption, the close button, a few
// lines and the status bar.
inline constexpr int kMonthScheduleMinWidth = 120;
inline constexpr int kMonthScheduleMinHeight = 110;

// The stored bounds keep the size as at 96 DPI, so the view looks the same
// size on any screen; the place is in screen pixels, like the calendar
// window's.
MemoBounds BoundsOnScreen(const MemoBounds& stored, int dpi);
MemoBounds BoundsToStore(const MemoBounds& onScreen, int dpi);

}  // namespace zenka
