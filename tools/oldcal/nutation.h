// Nutation in longitude: the periodic wobble of the equinox that makes the
// Sun's apparent longitude differ from its mean one by up to 17 seconds of arc.
#pragma once

namespace zenka::oldcal {

// Δψ in seconds of arc for a Julian Ephemeris Day, from the 1980 IAU theory
// of nutation as tabulated in J. Meeus, "Astronomical Algorithms", 2nd ed.,
// chapter 22 (table 22.A), good to a few thousandths of a second of arc.
double NutationInLongitudeArcsec(double jde);

}  // namespace zenka::oldcal
