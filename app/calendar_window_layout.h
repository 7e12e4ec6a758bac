// Where everything sits in the calendar window, in its normal and enlarged
// forms. The sizes are designed in pixels for a 96-DPI screen; a screen
// with more dots per inch gets them scaled, fonts included, so the window
// looks the same size and stays sharp.
#pragma once

#include <cstdint>

namespace zenka {

inline constexpr int kDesignDpi = 96;

// A child window's place in the client area.
struct LayoutBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
    friend bool operator==(const LayoutBox&, const LayoutBox&) = default;
};

// A font's size in points (scaled by the DPI like everything else) and
// weight.
struct LayoutFont {
    int points = 9;
    bool bold = false;
    friend bool operator==(const LayoutFont&, const LayoutFont&) = default;
};

struct CalendarWindowLayout {
    int dpi = kDesignDpi;  // the screen the pixels below are for
    int clientWidth = 0;
    int clientHeight = 0;
    LayoutBox koyomi1;
    LayoutBox label1;
    // The button bar along the bottom edge, and its five buttons.
    LayoutBox toolBar1;
    LayoutBox panelButton1;  // previous year
    LayoutBox panelButton2;  // previous month
    LayoutBox panelButton5;  // today
    LayoutBox panelButton3;  // next month
    LayoutBox panelButton4;  // next year
    // The top row's buttons: stay on top, close.
    LayoutBox panelButton6;
    LayoutBox panelButton7;
    // The calendar's day and weekday-header fonts, and the caption's.
    LayoutFont dayFont;
    LayoutFont labelFont;
    // Character height of the rokuyo font in pixels; the same in both forms.
    int rokuyoHeight = 13;

    // A font height of the layout's screen for a size in points.
    int32_t FontHeight(const LayoutFont& font) const;
    friend bool operator==(const CalendarWindowLayout&, const CalendarWindowLayout&) = default;
};

// The layout at 96 DPI.
CalendarWindowLayout CalendarLayout(bool enlarged);

// value * dpi / 96, rounded to the nearest pixel (halves away from zero).
int ScaleToDpi(int value, int dpi);

// The layout for a screen of the given DPI. Edges are scaled rather than
// sizes, so boxes that touch at 96 DPI still touch and never overlap.
CalendarWindowLayout ScaleLayout(const CalendarWindowLayout& layout, int dpi);

// A font height for a size in points: negative, a character height in
// pixels, as the platform takes it.
int32_t FontHeightForPoints(int points, int dpi);

}  // namespace zenka
