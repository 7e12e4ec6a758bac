#include "tools/oldcal/sun_position.h"

#include <cmath>
#include <numbers>
#include <stdexcept>
#include <vector>

#include "tools/oldcal/earth_vsop87.h"
#include "tools/oldcal/nutation.h"

namespace zenka::oldcal {

namespace {

constexpr double kDaysPerDegree = 365.2422 / 360.0;

double Reduce360(double degrees) {
    const double r = std::fmod(degrees, 360.0);
    return r < 0 ? r + 360.0 : r;
}

// Difference a − b folded into [−180, 180).
double AngleDifference(double a, double b) { return Reduce360(a - b + 180.0) - 180.0; }

}  // namespace

// J. Meeus, "Astronomical Algorithms", 2nd ed., chapter 25, "higher
// accuracy": the geometric longitude from VSOP87, the small shift from the
// VSOP87 frame to FK5, nutation, and the annual aberration.
double ApparentSolarLongitude(double jde) {
    const double geometric = EarthHeliocentricLongitude(jde) * 180.0 / std::numbers::pi + 180.0;
    const double fk5 = -0.09033;
    const double aberration = -20.4898 / EarthSunDistance(jde);
    return Reduce360(geometric + (fk5 + NutationInLongitudeArcsec(jde) + aberration) / 3600.0);
}

double SolarLongitudeInstant(double degrees, double nearJde) {
    // The Sun's speed varies by ±3.4 % over the year, so each step with the
    // mean speed cuts the error about thirtyfold.
    double jde = nearJde;
    for (int i = 0; i < 20; ++i) {
        const double step = AngleDifference(degrees, ApparentSolarLongitude(jde)) * kDaysPerDegree;
        jde += step;
        if (std::abs(step) < 1e-8) return jde;
    }
    throw std::runtime_error("the solar longitude search did not converge");
}

std::vector<LongitudeInstant> LongitudeInstantsBetween(std::span<const int> longitudes, double fromJde, double toJde) {
    std::vector<LongitudeInstant> instants;
    if (longitudes.empty()) return instants;
    const double start = ApparentSolarLongitude(fromJde);
    size_t next = 0;
    while (next < longitudes.size() && longitudes[next] < start) ++next;
    if (next == longitudes.size()) next = 0;
    double nearJde = fromJde + std::fmod(longitudes[next] - start + 360.0, 360.0) * kDaysPerDegree;
    for (;;) {
        const int longitude = longitudes[next];
        const double jde = SolarLongitudeInstant(longitude, nearJde);
        if (jde > toJde) break;
        instants.push_back({longitude, jde});
        next = (next + 1) % longitudes.size();
        nearJde = jde + std::fmod(longitudes[next] - longitude + 360.0, 360.0) * kDaysPerDegree;
    }
    return instants;
}

}  // namespace zenka::oldcal
