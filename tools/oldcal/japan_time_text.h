// Instants and days written out for the generators' reports.
#pragma once

#include <cstdint>
#include <string>

namespace zenka::oldcal {

// YYYY-MM-DD of a Julius day.
std::string DateText(int32_t day);

// Signed minutes from the nearest midnight in Japan (UTC+9) of a Julian Date
// in Universal Time: positive just after it.
double MinutesFromMidnight(double jdUt);

// "YYYY-MM-DD hh:mm:ss" in Japan of a Julian Date in Universal Time.
std::string JapanTimeText(double jdUt);

}  // namespace zenka::oldcal
