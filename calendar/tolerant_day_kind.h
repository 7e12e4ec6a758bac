// A day's kind, for the calendar grid, its hint, the tray icons and the
// schedule notice, even when a day list holds a line that cannot be read (a
// list file from elsewhere, say). Such a line counts as not matching, and
// the caller learns which lines they were, so that they can be told once
// instead of failing on every tick and every step through the calendar.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "calendar/day_classifier.h"

namespace zenka {

struct TolerantDayKind {
    DayFontIndex font = kFontWeekday;
    std::string names;                    // comma text, as GetDayNames gives it
    std::vector<EDayRuleError> badLines;  // in the order they were met
};

// Raises EJuliusError for a date in the 1582 gap, like the classification.
TolerantDayKind ClassifyTolerantly(const DayRuleSet& rules, int32_t year, uint8_t month, uint8_t day);

// "休日リストの 3 行目 "1,x,元旦": 'x' は有効な整数ではありません"
std::string DescribeBadLine(const EDayRuleError& error);

}  // namespace zenka
