// What the start window says about a day: caption, date with rokuyo, names.
#pragma once

#include <string>

#include "calendar/day_classifier.h"
#include "calendar/julius.h"

namespace zenka {

struct TodayText {
    std::string caption;  // "令和8年12月"
    std::string date;     // "8日(火) 先負"
    std::string names;    // the day's names, or empty
};

TodayText DescribeDay(const DayRuleSet& rules, int32_t year, uint8_t month, uint8_t day);

}  // namespace zenka
