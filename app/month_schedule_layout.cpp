#include "app/month_schedule_layout.h"

#include <algorithm>
#include <cmath>

namespace zenka {
namespace {

constexpr int kPanelHeight = 22;
constexpr LayoutBox kLabel1{1, 5, 0, 14};  // reaches to the close button
// The close button's left edge stands this far from the panel's right edge.
constexpr int kCloseFromRight = 21;
constexpr LayoutBox kPanelButton7{0, 2, 20, 18};
constexpr int kListCharacterHeight = 13;
constexpr int kCaptionPoints = 9;

}  // namespace

MonthScheduleLayout LayOutMonthSchedule(int clientWidth, int clientHeight, int statusBarHeight, int dpi) {
    const auto s = [dpi](int value) { return ScaleToDpi(value, dpi); };
    MonthScheduleLayout layout;
    layout.dpi = dpi;
    const int closeLeft = clientWidth - s(kCloseFromRight);
    layout.panelButton7 = {closeLeft, s(kPanelButton7.top), s(kPanelButton7.width), s(kPanelButton7.height)};
    layout.label1 = {s(kLabel1.left), s(kLabel1.top), std::max(0, closeLeft - s(2 * kLabel1.left)),
                     s(kLabel1.height)};
    const int panel = s(kPanelHeight);
    layout.listBox1 = {0, panel, std::max(0, clientWidth), std::max(0, clientHeight - panel - statusBarHeight)};
    layout.itemHeight = s(kListCharacterHeight);
    layout.listFontHeight = -layout.itemHeight;
    layout.labelFontHeight = FontHeightForPoints(kCaptionPoints, dpi);
    layout.statusFontHeight = layout.labelFontHeight;
    return layout;
}

MemoBounds BoundsOnScreen(const MemoBounds& stored, int dpi) {
    return {stored.left, stored.top, ScaleToDpi(stored.width, dpi), ScaleToDpi(stored.height, dpi)};
}

MemoBounds BoundsToStore(const MemoBounds& onScreen, int dpi) {
    const auto unscale = [dpi](int32_t value) {
        return static_cast<int32_t>(std::lround(static_cast<double>(value) * kDesignDpi / dpi));
    };
    return {onScreen.left, onScreen.top, unscale(onScreen.width), unscale(onScreen.height)};
}

}  // namespace zenka
