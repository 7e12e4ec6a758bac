// Writes the old-calendar table for 1900-01-01 .. 2100-12-31 and lists the
// month starts and principal terms that lie so near midnight in Japan that
// another ephemeris or ΔT could move them to the neighbouring day.
//
// Usage: gen_oldcal_table OUTPUT [MINUTES]   (MINUTES defaults to 5)
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <string>

#include "calendar/julius.h"
#include "tools/oldcal/lunisolar.h"

namespace {

using namespace zenka;
using namespace zenka::oldcal;

std::string DateText(int32_t day) {
    const CivilDate d = JuliusToDate(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", static_cast<int>(d.year), d.month, d.day);
    return text;
}

// Signed minutes from the nearest midnight in Japan: positive just after it.
double MinutesFromMidnight(double jdUt) {
    const double local = jdUt + 0.5 + 9.0 / 24.0;
    return (local - std::round(local)) * 1440.0;
}

std::string MonthText(uint8_t month) {
    return month > 100 ? "閏" + std::to_string(month - 100) : std::to_string(month);
}

void ReportNearMidnight(const std::vector<Lunation>& months, double limitMinutes) {
    std::printf("Within %.0f minutes of midnight (JST):\n", limitMinutes);
    for (size_t i = 0; i < months.size(); ++i) {
        const Lunation& m = months[i];
        const double minutes = MinutesFromMidnight(m.newMoonUt);
        if (std::abs(minutes) < limitMinutes) {
            std::printf("  new moon   %s %+6.2f min  month %s begins\n", DateText(m.firstDay).c_str(), minutes,
                        MonthText(m.month).c_str());
        }
        // A term decides a month only when a day's shift moves it into the
        // lunation beside it: on a month's first or last day.
        for (const PrincipalTerm& term : m.terms) {
            const double termMinutes = MinutesFromMidnight(term.instantUt);
            const bool firstDay = term.day == m.firstDay && termMinutes >= 0;
            const bool lastDay = i + 1 < months.size() && term.day + 1 == months[i + 1].firstDay && termMinutes < 0;
            if (std::abs(termMinutes) < limitMinutes && (firstDay || lastDay)) {
                std::printf("  term %3d°  %s %+6.2f min  in month %s\n", term.longitude, DateText(term.day).c_str(),
                            termMinutes, MonthText(m.month).c_str());
            }
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: gen_oldcal_table OUTPUT [MINUTES]\n");
        return 2;
    }
    try {
        const double limit = argc == 3 ? std::atof(argv[2]) : 5.0;
        const std::vector<Lunation> months =
            OldCalendarMonths(DateToJulius(1900, 1, 1), DateToJulius(2100, 12, 31));
        const std::string table = FormatOldCalendarTable(months);
        std::ofstream out(argv[1], std::ios::binary);
        out << table;
        out.close();
        if (!out) {
            std::fprintf(stderr, "gen_oldcal_table: cannot write %s\n", argv[1]);
            return 1;
        }
        std::printf("%zu lines, months from %s to %s (closing line)\n", months.size(),
                    DateText(months.front().firstDay).c_str(), DateText(months.back().firstDay).c_str());
        ReportNearMidnight(months, limit);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "gen_oldcal_table: %s\n", e.what());
        return 1;
    }
}
