// The month schedule view's layout at 96 and 144 DPI, and its stored size.
#include "app/month_schedule_layout.h"

#include <gtest/gtest.h>

namespace zenka {
namespace {

TEST(MonthScheduleLayout, TheCloseButtonKeepsToTheRightEdgeAndTheListFillsTheRest) {
    struct Case {
        int width, height, status, dpi;
        LayoutBox close, list, label;
        int itemHeight;
    };
    for (const Case& c : {
             Case{192, 225, 20, 96, {171, 2, 20, 18}, {0, 22, 192, 183}, {1, 5, 169, 14}, 13},
             Case{400, 300, 20, 96, {379, 2, 20, 18}, {0, 22, 400, 258}, {1, 5, 377, 14}, 13},
             Case{288, 338, 30, 144, {256, 3, 30, 27}, {0, 33, 288, 275}, {2, 8, 253, 21}, 20},
             Case{10, 30, 20, 96, {-11, 2, 20, 18}, {0, 22, 10, 0}, {1, 5, 0, 14}, 13},
         }) {
        const MonthScheduleLayout layout = LayOutMonthSchedule(c.width, c.height, c.status, c.dpi);
        EXPECT_EQ(layout.panelButton7, c.close) << c.width << "x" << c.height << " at " << c.dpi;
        EXPECT_EQ(layout.listBox1, c.list) << c.width << "x" << c.height << " at " << c.dpi;
        EXPECT_EQ(layout.label1, c.label) << c.width << "x" << c.height << " at " << c.dpi;
        EXPECT_EQ(layout.itemHeight, c.itemHeight);
        EXPECT_EQ(layout.listFontHeight, -c.itemHeight) << "a line is as tall as its characters";
    }
    EXPECT_EQ(LayOutMonthSchedule(200, 200, 20, 144).labelFontHeight, -18) << "9 points at 144 DPI";
}

TEST(MonthScheduleLayout, TheStoredSizeIsAt96DpiAndThePlaceInScreenPixels) {
    const MemoBounds stored{412, 253, 180, 261};
    EXPECT_EQ(BoundsOnScreen(stored, 96), stored);
    EXPECT_EQ(BoundsOnScreen(stored, 144), (MemoBounds{412, 253, 270, 392}));
    for (int dpi : {96, 120, 144, 192}) {
        EXPECT_EQ(BoundsToStore(BoundsOnScreen(stored, dpi), dpi), stored) << dpi;
    }
}

}  // namespace
}  // namespace zenka
