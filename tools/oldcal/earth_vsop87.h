// The Earth's heliocentric position from the planetary theory VSOP87
// (P. Bretagnon and G. Francou, Astron. Astrophys. 202, 309, 1988), version D
// (ecliptic and equinox of date), in the abridged form of J. Meeus,
// "Astronomical Algorithms", 2nd ed. (1998), Appendix III, whose terms also
// make up table A4.2 of I. Reda and A. Andreas, "Solar Position Algorithm for
// Solar Radiation Applications", NREL/TP-560-34302 (2004). Abridged this way
// the Sun's longitude is good to about one second of arc.
#pragma once

namespace zenka::oldcal {

// Heliocentric ecliptic longitude of the Earth in radians (not reduced to
// one turn), for a Julian Ephemeris Day.
double EarthHeliocentricLongitude(double jde);

// Distance of the Earth from the Sun in astronomical units.
double EarthSunDistance(double jde);

}  // namespace zenka::oldcal
