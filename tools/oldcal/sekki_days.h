// The days in Japan on which the Sun reaches the longitudes of the 24 solar
// terms and of the 雑節 fixed by a longitude.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "tools/oldcal/solar_arrivals.h"

namespace zenka::oldcal {

// Every arrival at one of kSekkiLongitudes (calendar/sekki_table.h) whose
// day in Japan lies from fromDay to toDay, in order of time.
std::vector<SolarArrival> SekkiArrivals(int32_t fromDay, int32_t toDay);

// The table text: one line "day,longitude" with CR LF for each arrival.
std::string FormatSekkiTable(std::span<const SolarArrival> arrivals);

}  // namespace zenka::oldcal
