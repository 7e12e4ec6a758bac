// The Sun's apparent geocentric longitude and the instants it reaches a
// given longitude (the solar terms).
#pragma once

namespace zenka::oldcal {

// Apparent geocentric ecliptic longitude of the Sun, degrees in [0, 360),
// referred to the true equinox of date, for a Julian Ephemeris Day.
double ApparentSolarLongitude(double jde);

// The Julian Ephemeris Day within a few weeks of `nearJde` at which the
// apparent longitude equals `degrees`.
double SolarLongitudeInstant(double degrees, double nearJde);

}  // namespace zenka::oldcal
