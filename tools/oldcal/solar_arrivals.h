// The Sun's arrivals at given longitudes in civil time: the instant in
// Universal Time and the day it falls on in Japan.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace zenka::oldcal {

struct SolarArrival {
    int longitude = 0;
    double instantUt = 0;  // Julian Date, Universal Time
    int32_t day = 0;       // the Julius day it falls on in Japan
};

// The Julius day in Japan (UTC+9) of an instant given as a Julian Date in
// Universal Time.
int32_t JapanDay(double jdUt);

// Every arrival from fromJde up to toJde (Julian Ephemeris Days) at one of
// `longitudes` (whole degrees, ascending, in [0, 360)), in order of time.
std::vector<SolarArrival> SolarArrivalsBetween(std::span<const int> longitudes, double fromJde, double toJde);

}  // namespace zenka::oldcal
