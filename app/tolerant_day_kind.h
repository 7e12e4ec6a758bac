// Today's kind of day for the tray icons and the schedule notice, even when
// a day list holds a line that cannot be read (a list file from elsewhere,
// say). Such a line counts as not matching, and the caller learns which
// lines they were, so that it can tell the user once instead of failing on
// every tick.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <utility>
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

// The malformed lines the user has been told about. Each line is told once
// a run; from then on it quietly counts as not matching, so that no error
// box opens on every tick or every look at a month.
class BadLineReports {
public:
    // The report of the lines among these not told yet, one description a
    // line and then what becomes of them; empty when all were told before.
    // The lines count as told from now on.
    std::string NewReport(const std::vector<EDayRuleError>& badLines);

private:
    // By list and text.
    std::set<std::pair<int, std::string>> told_;
};

}  // namespace zenka
