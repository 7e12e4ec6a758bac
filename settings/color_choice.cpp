#include "settings/color_choice.h"

namespace zenka {

const std::array<ColorGroup, 6>& ColorGroups() {
    static const std::array<ColorGroup, 6> groups{{
        {kFontWeekday, &AppSettings::Colors::weekday},
        {kFontSaturday, &AppSettings::Colors::saturday},
        {kFontSunday, &AppSettings::Colors::sunday},
        {kFontHoliday, &AppSettings::Colors::holiday},
        {kFontSpecialDay, &AppSettings::Colors::specialday},
        {kFontYoteiDay, &AppSettings::Colors::yoteiday},
    }};
    return groups;
}

int32_t ColorChoiceOf(Color color) {
    for (size_t i = 0; i < kColorChoices.size(); ++i) {
        if (kColorChoices[i] == color) return static_cast<int32_t>(i);
    }
    return kNoColorChoice;
}

}  // namespace zenka
