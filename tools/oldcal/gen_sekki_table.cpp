// Writes the table of the days in Japan on which the Sun reaches the
// longitudes of the solar terms and the 雑節 for 1900-01-01 .. 2100-12-31,
// and lists the arrivals that lie so near midnight in Japan that another
// ephemeris or ΔT could move them to the neighbouring day.
//
// Usage: gen_sekki_table OUTPUT [MINUTES]   (MINUTES defaults to 5)
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>

#include "calendar/julius.h"
#include "calendar/sekki_names.h"
#include "calendar/sekki_table.h"
#include "tools/oldcal/japan_time_text.h"
#include "tools/oldcal/sekki_days.h"

namespace {

using namespace zenka;
using namespace zenka::oldcal;

std::string LongitudeName(int longitude) {
    if (longitude % 15 == 0) return std::string(sekki::kSolarTerms[longitude / 15]);
    if (longitude == 80) return std::string(sekki::kNyubai);
    if (longitude == 100) return std::string(sekki::kHangesho);
    return std::string(sekki::kDoyoIri);
}

// What else moves with the day of an arrival.
std::string DependentDays(int longitude) {
    switch (longitude) {
        case 315: return "; 節分, 八十八夜, 二百十日, 二百二十日 and the end of winter's 土用 follow it";
        case 0:
        case 180: return "; 彼岸 and 社日 follow it";
        case 45:
        case 135:
        case 225: return "; the 土用 before it ends the day before";
        case 27:
        case 117:
        case 207:
        case 297: return "; its 土用 begins that day";
        default: return "";
    }
}

// Each year in range holds each longitude once: the table's reader relies
// on it.
void CheckOncePerYear(const std::vector<SolarArrival>& arrivals, int32_t firstYear, int32_t lastYear) {
    std::map<std::pair<int32_t, int>, int> count;
    for (const SolarArrival& arrival : arrivals) ++count[{JuliusToDate(arrival.day).year, arrival.longitude}];
    for (int32_t year = firstYear; year <= lastYear; ++year) {
        for (const int longitude : kSekkiLongitudes) {
            const int n = count[{year, longitude}];
            if (n != 1) {
                throw std::runtime_error(std::to_string(year) + " holds longitude " + std::to_string(longitude) + " " +
                                         std::to_string(n) + " times");
            }
        }
    }
}

void ReportNearMidnight(const std::vector<SolarArrival>& arrivals, double limitMinutes) {
    std::printf("Within %g minutes of midnight, Japan Standard Time:\n", limitMinutes);
    for (const SolarArrival& arrival : arrivals) {
        const double minutes = MinutesFromMidnight(arrival.instantUt);
        if (std::abs(minutes) >= limitMinutes) continue;
        std::printf("  %s (%d) at %s (%+.2f min): on %s, else %s%s\n", LongitudeName(arrival.longitude).c_str(),
                    arrival.longitude, JapanTimeText(arrival.instantUt).c_str(), minutes, DateText(arrival.day).c_str(),
                    DateText(minutes >= 0 ? arrival.day - 1 : arrival.day + 1).c_str(),
                    DependentDays(arrival.longitude).c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: gen_sekki_table OUTPUT [MINUTES]\n");
        return 2;
    }
    try {
        const double limit = argc == 3 ? std::atof(argv[2]) : 5.0;
        const std::vector<SolarArrival> arrivals =
            SekkiArrivals(DateToJulius(kFirstSekkiYear, 1, 1), DateToJulius(kLastSekkiYear, 12, 31));
        CheckOncePerYear(arrivals, kFirstSekkiYear, kLastSekkiYear);
        std::ofstream out(argv[1], std::ios::binary);
        out << FormatSekkiTable(arrivals);
        out.close();
        if (!out) {
            std::fprintf(stderr, "gen_sekki_table: cannot write %s\n", argv[1]);
            return 1;
        }
        std::printf("%zu lines, from %s to %s\n", arrivals.size(), DateText(arrivals.front().day).c_str(),
                    DateText(arrivals.back().day).c_str());
        ReportNearMidnight(arrivals, limit);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "gen_sekki_table: %s\n", e.what());
        return 1;
    }
}
