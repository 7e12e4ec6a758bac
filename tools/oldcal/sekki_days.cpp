#include "tools/oldcal/sekki_days.h"

#include "calendar/sekki_table.h"
#include "tools/oldcal/delta_t.h"
#include "tools/oldcal/lunisolar.h"
#include "tools/oldcal/sun_position.h"

namespace zenka::oldcal {

std::vector<SekkiInstant> SekkiInstants(int32_t fromDay, int32_t toDay) {
    // ΔT is under a few minutes, so a day's margin on both sides holds every
    // arrival whose day in Japan is in range.
    const double fromJde = fromDay - 0.5 - 1.0;
    const double toJde = toDay + 0.5 + 1.0;
    std::vector<SekkiInstant> instants;
    for (const LongitudeInstant& arrival : LongitudeInstantsBetween(kSekkiLongitudes, fromJde, toJde)) {
        const double ut = UniversalTime(arrival.jde);
        const int32_t day = JapanDay(ut);
        if (day >= fromDay && day <= toDay) instants.push_back({arrival.longitude, ut, day});
    }
    return instants;
}

std::string FormatSekkiTable(std::span<const SekkiInstant> instants) {
    std::string text;
    for (const SekkiInstant& instant : instants) {
        text += std::to_string(instant.day) + "," + std::to_string(instant.longitude) + "\r\n";
    }
    return text;
}

}  // namespace zenka::oldcal
