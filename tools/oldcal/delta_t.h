// ΔT = TT − UT: how far the clock of the Earth's rotation lags behind
// uniform time, needed to turn instants computed in Terrestrial Time into
// civil time.
#pragma once

namespace zenka::oldcal {

// The year with its fraction (2000.0 is the start of 2000) of a Julian Date.
double DecimalYear(double jd);

// ΔT in seconds for a decimal year between 1860 and 2150.
double DeltaTSeconds(double year);

// The Julian Date in Universal Time of an instant given as a Julian
// Ephemeris Day (Terrestrial Time).
double UniversalTime(double jde);

}  // namespace zenka::oldcal
