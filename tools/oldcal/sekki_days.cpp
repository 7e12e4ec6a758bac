#include "tools/oldcal/sekki_days.h"

#include "calendar/sekki_table.h"

namespace zenka::oldcal {

std::vector<SolarArrival> SekkiArrivals(int32_t fromDay, int32_t toDay) {
    // ΔT is under a few minutes, so a day's margin on both sides holds every
    // arrival whose day in Japan is in range.
    std::vector<SolarArrival> arrivals;
    for (const SolarArrival& arrival : SolarArrivalsBetween(kSekkiLongitudes, fromDay - 1.5, toDay + 1.5)) {
        if (arrival.day >= fromDay && arrival.day <= toDay) arrivals.push_back(arrival);
    }
    return arrivals;
}

std::string FormatSekkiTable(std::span<const SolarArrival> arrivals) {
    std::string text;
    for (const SolarArrival& arrival : arrivals) {
        text += std::to_string(arrival.day) + "," + std::to_string(arrival.longitude) + "\r\n";
    }
    return text;
}

}  // namespace zenka::oldcal
