#include "tools/oldcal/solar_arrivals.h"

#include <cmath>

#include "tools/oldcal/delta_t.h"
#include "tools/oldcal/sun_position.h"

namespace zenka::oldcal {

int32_t JapanDay(double jdUt) { return static_cast<int32_t>(std::floor(jdUt + 0.5 + 9.0 / 24.0)); }

std::vector<SolarArrival> SolarArrivalsBetween(std::span<const int> longitudes, double fromJde, double toJde) {
    std::vector<SolarArrival> arrivals;
    for (const LongitudeInstant& instant : LongitudeInstantsBetween(longitudes, fromJde, toJde)) {
        const double ut = UniversalTime(instant.jde);
        arrivals.push_back({instant.longitude, ut, JapanDay(ut)});
    }
    return arrivals;
}

}  // namespace zenka::oldcal
