#include "app/calendar_window_layout.h"

#include <initializer_list>

namespace zenka {
namespace {

constexpr CalendarWindowLayout kNormal{
    .clientWidth = 116,
    .clientHeight = 147,
    .koyomi1 = {0, 20, 116, 102},
    .label1 = {1, 4, 71, 12},
    .toolBar1 = {0, 147 - 23, 116, 23},
    .panelButton1 = {0, 147 - 23, 23, 22},
    .panelButton2 = {23, 147 - 23, 23, 22},
    .panelButton5 = {46, 147 - 23, 23, 22},
    .panelButton3 = {69, 147 - 23, 23, 22},
    .panelButton4 = {92, 147 - 23, 23, 22},
    .panelButton6 = {77, 1, 19, 17},
    .panelButton7 = {96, 1, 19, 17},
    .dayFont = {9, false},
    .labelFont = {9, false},
    .rokuyoHeight = 13,
};

constexpr CalendarWindowLayout kEnlarged{
    .clientWidth = 144,
    .clientHeight = 179,
    .koyomi1 = {0, 24, 144, 130},
    .label1 = {1, 5, 99, 16},
    .toolBar1 = {0, 179 - 23, 144, 23},
    .panelButton1 = {0, 179 - 23, 28, 23},
    .panelButton2 = {28, 179 - 23, 29, 23},
    .panelButton5 = {57, 179 - 23, 29, 23},
    .panelButton3 = {86, 179 - 23, 29, 23},
    .panelButton4 = {115, 179 - 23, 28, 23},
    .panelButton6 = {93, 1, 25, 20},
    .panelButton7 = {118, 1, 25, 20},
    .dayFont = {10, true},
    .labelFont = {10, true},
    .rokuyoHeight = 13,
};

// a * b / c rounded to nearest, halves away from zero, without overflow
// for the sizes a window has.
int MulDivRound(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    const long long q = product >= 0 ? (product + half) / c : -((-product + half) / c);
    return static_cast<int>(q);
}

LayoutBox Scale(const LayoutBox& box, int dpi) {
    const int left = ScaleToDpi(box.left, dpi);
    const int top = ScaleToDpi(box.top, dpi);
    return {left, top, ScaleToDpi(box.Right(), dpi) - left, ScaleToDpi(box.Bottom(), dpi) - top};
}

}  // namespace

CalendarWindowLayout CalendarLayout(bool enlarged) { return enlarged ? kEnlarged : kNormal; }

int ScaleToDpi(int value, int dpi) { return MulDivRound(value, dpi, kDesignDpi); }

CalendarWindowLayout ScaleLayout(const CalendarWindowLayout& layout, int dpi) {
    CalendarWindowLayout s = layout;
    s.dpi = dpi;
    s.clientWidth = ScaleToDpi(layout.clientWidth, dpi);
    s.clientHeight = ScaleToDpi(layout.clientHeight, dpi);
    for (LayoutBox CalendarWindowLayout::*box :
         {&CalendarWindowLayout::koyomi1, &CalendarWindowLayout::label1, &CalendarWindowLayout::toolBar1,
          &CalendarWindowLayout::panelButton1, &CalendarWindowLayout::panelButton2,
          &CalendarWindowLayout::panelButton5, &CalendarWindowLayout::panelButton3,
          &CalendarWindowLayout::panelButton4, &CalendarWindowLayout::panelButton6,
          &CalendarWindowLayout::panelButton7}) {
        s.*box = Scale(layout.*box, dpi);
    }
    // Font sizes stay in points; FontHeight turns them into pixels.
    s.rokuyoHeight = ScaleToDpi(layout.rokuyoHeight, dpi);
    return s;
}

int32_t FontHeightForPoints(int points, int dpi) { return -MulDivRound(points, dpi, 72); }

int32_t CalendarWindowLayout::FontHeight(const LayoutFont& font) const { return FontHeightForPoints(font.points, dpi); }

}  // namespace zenka
