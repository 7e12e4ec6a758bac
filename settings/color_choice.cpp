#include "settings/color_choice.h"

namespace zenka {

const std::array<ColorGroup, 6>& ColorGroups() {
    static const std::array<ColorGroup, 6> groups{{
        {kFontWeekday, &PagesState::colorWeekday, &AppSettings::Colors::weekday, 0},
        {kFontSaturday, &PagesState::colorSaturday, &AppSettings::Colors::saturday, 1},
        {kFontSunday, &PagesState::colorSunday, &AppSettings::Colors::sunday, 2},
        {kFontHoliday, &PagesState::colorHoliday, &AppSettings::Colors::holiday, 2},
        {kFontSpecialDay, &PagesState::colorSpecialday, &AppSettings::Colors::specialday, 3},
        {kFontYoteiDay, &PagesState::colorYoteiday, &AppSettings::Colors::yoteiday, 4},
    }};
    return groups;
}

int32_t ColorChoiceOf(Color color) {
    for (size_t i = 0; i < kColorChoices.size(); ++i) {
        if (kColorChoices[i] == color) return static_cast<int32_t>(i);
    }
    return kNoColorChoice;
}

void ResetColors(PagesState& state) {
    for (const ColorGroup& group : ColorGroups()) state.*group.choice = group.defaultChoice;
}

}  // namespace zenka
