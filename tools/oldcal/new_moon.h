// Instants of new moon: the Moon's apparent geocentric longitude equal to
// the Sun's.
#pragma once

namespace zenka::oldcal {

// Lunation number k = 0 is the new moon of 2000-01-06; k counts lunations
// from it. The k nearest a Julian Date:
int LunationNumberNear(double jd);

// The instant of the k-th new moon as a Julian Ephemeris Day (Terrestrial
// Time), from J. Meeus, "Astronomical Algorithms", 2nd ed., chapter 49,
// with all its periodic and planetary terms: within about 20 seconds of the
// full lunar theory ELP-2000/82 over these centuries.
double NewMoonJde(int k);

}  // namespace zenka::oldcal
