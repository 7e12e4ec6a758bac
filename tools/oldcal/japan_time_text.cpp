#include "tools/oldcal/japan_time_text.h"

#include <cmath>
#include <cstdio>

#include "calendar/julius.h"
#include "tools/oldcal/solar_arrivals.h"

namespace zenka::oldcal {

std::string DateText(int32_t day) {
    const CivilDate d = JuliusToDate(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", static_cast<int>(d.year), d.month, d.day);
    return text;
}

double MinutesFromMidnight(double jdUt) {
    const double local = jdUt + 0.5 + 9.0 / 24.0;
    return (local - std::round(local)) * 1440.0;
}

std::string JapanTimeText(double jdUt) {
    const double local = jdUt + 0.5 + 9.0 / 24.0;
    const int seconds = static_cast<int>(std::lround((local - std::floor(local)) * 86400.0)) % 86400;
    char text[48];
    std::snprintf(text, sizeof text, "%s %02d:%02d:%02d", DateText(JapanDay(jdUt)).c_str(), seconds / 3600,
                  seconds / 60 % 60, seconds % 60);
    return text;
}

}  // namespace zenka::oldcal
