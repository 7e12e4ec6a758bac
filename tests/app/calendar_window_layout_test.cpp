// The calendar window's two layouts and their scaling for screens of more
// dots per inch.
#include "app/calendar_window_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zenka {
namespace {

std::vector<LayoutBox> NavigationButtons(const CalendarWindowLayout& l) {
    return {l.panelButton1, l.panelButton2, l.panelButton5, l.panelButton3, l.panelButton4};
}

std::string Describe(const LayoutBox& b) {
    return std::to_string(b.left) + "," + std::to_string(b.top) + " " + std::to_string(b.width) + "x" +
           std::to_string(b.height);
}

TEST(CalendarWindowLayout, NormalAndEnlargedSizesAt96Dpi) {
    const CalendarWindowLayout normal = CalendarLayout(false);
    EXPECT_EQ(normal.clientWidth, 116);
    EXPECT_EQ(normal.clientHeight, 147);
    EXPECT_EQ(Describe(normal.koyomi1), "0,20 116x102");
    EXPECT_EQ(Describe(normal.label1), "1,4 71x12");
    EXPECT_EQ(Describe(normal.panelButton6), "77,1 19x17");
    EXPECT_EQ(Describe(normal.panelButton7), "96,1 19x17");
    EXPECT_EQ(normal.dayFont, (LayoutFont{9, false}));
    EXPECT_EQ(normal.labelFont, (LayoutFont{9, false}));

    const CalendarWindowLayout big = CalendarLayout(true);
    EXPECT_EQ(big.clientWidth, 144);
    EXPECT_EQ(big.clientHeight, 179);
    EXPECT_EQ(Describe(big.koyomi1), "0,24 144x130");
    EXPECT_EQ(Describe(big.label1), "1,5 99x16");
    EXPECT_EQ(Describe(big.panelButton6), "93,1 25x20");
    EXPECT_EQ(Describe(big.panelButton7), "118,1 25x20");
    EXPECT_EQ(big.dayFont, (LayoutFont{10, true}));
    EXPECT_EQ(big.labelFont, (LayoutFont{10, true}));
    EXPECT_EQ(big.rokuyoHeight, normal.rokuyoHeight) << "the rokuyo font keeps its size";

    const std::vector<std::string> normalButtons{"0,124 23x22", "23,124 23x22", "46,124 23x22", "69,124 23x22",
                                                 "92,124 23x22"};
    const std::vector<std::string> bigButtons{"0,156 28x23", "28,156 29x23", "57,156 29x23", "86,156 29x23",
                                              "115,156 28x23"};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(Describe(NavigationButtons(normal)[i]), normalButtons[i]) << "button " << i;
        EXPECT_EQ(Describe(NavigationButtons(big)[i]), bigButtons[i]) << "button " << i;
    }
    // The button bar is 23 pixels high along the bottom edge in both forms.
    EXPECT_EQ(Describe(normal.toolBar1), "0,124 116x23");
    EXPECT_EQ(Describe(big.toolBar1), "0,156 144x23");
}

TEST(CalendarWindowLayout, ScalingKeepsNeighboursTouchingAndEverythingInside) {
    for (bool enlarged : {false, true}) {
        for (int dpi : {96, 120, 144, 168, 192, 288}) {
            const CalendarWindowLayout l = ScaleLayout(CalendarLayout(enlarged), dpi);
            const std::string where = (enlarged ? "enlarged at " : "normal at ") + std::to_string(dpi);
            const std::vector<LayoutBox> buttons = NavigationButtons(l);
            EXPECT_EQ(buttons.front().left, 0) << where;
            for (size_t i = 1; i < buttons.size(); ++i) {
                EXPECT_EQ(buttons[i].left, buttons[i - 1].Right()) << where << ", button " << i;
            }
            EXPECT_EQ(l.panelButton7.left, l.panelButton6.Right()) << where;
            EXPECT_EQ(l.toolBar1.Bottom(), l.clientHeight) << where;
            EXPECT_LE(l.koyomi1.Bottom(), l.toolBar1.top) << where;
            EXPECT_LE(l.panelButton7.Right(), l.clientWidth) << where;
            EXPECT_LE(l.panelButton6.Bottom(), l.koyomi1.top) << where;
            // The enlarged caption label reaches under the stay-on-top
            // button; its text never gets that far.
            EXPECT_LE(l.label1.left + l.label1.width * 9 / 10, l.panelButton6.left) << where;
            EXPECT_EQ(l.dpi, dpi);
        }
    }
}

TEST(CalendarWindowLayout, ScalesByTheDpiRoundingToNearestPixel) {
    const CalendarWindowLayout at150 = ScaleLayout(CalendarLayout(false), 144);
    EXPECT_EQ(at150.clientWidth, 174);
    EXPECT_EQ(at150.clientHeight, 221);  // 220.5
    // Edges 0, 23, 46, 69, 92, 115 become 0, 35, 69, 104, 138, 173: widths
    // of 35 and 34 in turn instead of overlapping 35s.
    EXPECT_EQ(Describe(at150.panelButton1), "0,186 35x33");
    EXPECT_EQ(Describe(at150.panelButton2), "35,186 34x33");
    EXPECT_EQ(Describe(at150.panelButton4), "138,186 35x33");
    EXPECT_EQ(at150.rokuyoHeight, 20);  // 19.5

    const CalendarWindowLayout at200 = ScaleLayout(CalendarLayout(true), 192);
    const CalendarWindowLayout at100 = CalendarLayout(true);
    EXPECT_EQ(at200.clientWidth, 2 * at100.clientWidth);
    EXPECT_EQ(Describe(at200.koyomi1), "0,48 288x260");
    EXPECT_EQ(Describe(at200.panelButton2), "56,312 58x46");

    EXPECT_EQ(ScaleToDpi(7, 120), 9);  // 8.75
    EXPECT_EQ(ScaleToDpi(-3, 144), -5) << "halves away from zero";
}

TEST(CalendarWindowLayout, FontSizesBecomeCharacterHeights) {
    EXPECT_EQ(FontHeightForPoints(9, 96), -12);
    EXPECT_EQ(FontHeightForPoints(10, 96), -13);
    EXPECT_EQ(FontHeightForPoints(9, 144), -18);
    EXPECT_EQ(FontHeightForPoints(10, 144), -20);
    EXPECT_EQ(FontHeightForPoints(9, 192), -24);
    EXPECT_EQ(FontHeightForPoints(10, 192), -27);
    const CalendarWindowLayout big = ScaleLayout(CalendarLayout(true), 144);
    EXPECT_EQ(big.FontHeight(big.dayFont), -20);
}

}  // namespace
}  // namespace zenka
