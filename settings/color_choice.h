// The colour tab: six groups of five colour buttons, one group per kind of
// day, each standing for one of the calendar's day fonts.
#pragma once

#include <array>
#include <cstdint>

#include "calendar/day_classifier.h"
#include "common/app_settings.h"
#include "common/color.h"
#include "settings/pages_state.h"

namespace zenka {

inline constexpr int32_t kNoColorChoice = -1;

// The buttons of every group, in order: "黒", "青", "赤", "緑", "ピ".
inline constexpr std::array<Color, 5> kColorChoices{clBlack, clBlue, clRed, clLime, clFuchsia};

struct ColorGroup {
    DayFontIndex font;
    int32_t PagesState::*choice;  // the group's checked button
    Color AppSettings::Colors::*setting;
    int32_t defaultChoice;  // checked when nothing else is
};

// "平日", "土曜日", "日曜日", "休日", "特別日", "予定日".
const std::array<ColorGroup, 6>& ColorGroups();

// The first button of the colour, or kNoColorChoice when none has it.
int32_t ColorChoiceOf(Color color);

// "初期状態に戻す": every group checks its default button.
void ResetColors(PagesState& state);

}  // namespace zenka
