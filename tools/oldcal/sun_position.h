// The Sun's apparent geocentric longitude and the instants it reaches a
// given longitude (the solar terms).
#pragma once

#include <span>
#include <vector>

namespace zenka::oldcal {

// Apparent geocentric ecliptic longitude of the Sun, degrees in [0, 360),
// referred to the true equinox of date, for a Julian Ephemeris Day.
double ApparentSolarLongitude(double jde);

// The Julian Ephemeris Day within a few weeks of `nearJde` at which the
// apparent longitude equals `degrees`.
double SolarLongitudeInstant(double degrees, double nearJde);

struct LongitudeInstant {
    int longitude = 0;
    double jde = 0;  // Julian Ephemeris Day
};

// Every instant from fromJde up to toJde at which the apparent longitude
// reaches one of `longitudes` (whole degrees, ascending, in [0, 360)), in
// order of time.
std::vector<LongitudeInstant> LongitudeInstantsBetween(std::span<const int> longitudes, double fromJde,
                                                       double toJde);

}  // namespace zenka::oldcal
