// The colour tab: six groups of five colour buttons, one group per kind of
// day, each standing for one of the calendar's day fonts.
#pragma once

#include <array>
#include <cstdint>

#include "calendar/day_classifier.h"
#include "common/app_settings.h"
#include "common/color.h"

namespace zenka {

inline constexpr int32_t kNoColorChoice = -1;

// The buttons of every group, in order: "黒", "青", "赤", "緑", "ピ".
inline constexpr std::array<Color, 5> kColorChoices{clBlack, clBlue, clRed, clLime, clFuchsia};

struct ColorGroup {
    DayFontIndex font;
    Color AppSettings::Colors::*setting;
};

// "平日", "土曜日", "日曜日", "休日", "特別日", "予定日".
const std::array<ColorGroup, 6>& ColorGroups();

// The first button of the colour, or kNoColorChoice when none has it.
int32_t ColorChoiceOf(Color color);

}  // namespace zenka
