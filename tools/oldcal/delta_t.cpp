#include "tools/oldcal/delta_t.h"

namespace zenka::oldcal {

double DecimalYear(double jd) { return 2000.0 + (jd - 2451544.5) / 365.2425; }

double UniversalTime(double jde) { return jde - DeltaTSeconds(DecimalYear(jde)) / 86400.0; }

// Polynomials of F. Espenak and J. Meeus, "Five Millennium Canon of Solar
// Eclipses: -1999 to +3000" (NASA/TP-2006-214141), section 2.6: fitted to
// the observed values up to 2005 and extrapolated beyond. Each piece meets
// the next within a fraction of a second.
double DeltaTSeconds(double y) {
    if (y < 1900) {
        const double t = y - 1860;
        return ((((t / 233174.0 - 0.0004473624) * t + 0.01680668) * t - 0.251754) * t + 0.5737) * t + 7.62;
    }
    if (y < 1920) {
        const double t = y - 1900;
        return (((-0.000197 * t + 0.0061966) * t - 0.0598939) * t + 1.494119) * t - 2.79;
    }
    if (y < 1941) {
        const double t = y - 1920;
        return ((0.0020936 * t - 0.076100) * t + 0.84493) * t + 21.20;
    }
    if (y < 1961) {
        const double t = y - 1950;
        return ((t / 2547.0 - 1.0 / 233.0) * t + 0.407) * t + 29.07;
    }
    if (y < 1986) {
        const double t = y - 1975;
        return ((-t / 718.0 - 1.0 / 260.0) * t + 1.067) * t + 45.45;
    }
    if (y < 2005) {
        const double t = y - 2000;
        return ((((0.00002373599 * t + 0.000651814) * t + 0.0017275) * t - 0.060374) * t + 0.3345) * t + 63.86;
    }
    if (y < 2050) {
        const double t = y - 2000;
        return (0.005589 * t + 0.32217) * t + 62.92;
    }
    const double u = (y - 1820) / 100;
    return -20 + 32 * u * u - 0.5628 * (2150 - y);
}

}  // namespace zenka::oldcal
