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
#include "tools/oldcal/japan_time_text.h"
#include "tools/oldcal/lunisolar.h"

namespace {

using namespace zenka;
using namespace zenka::oldcal;

std::string MonthText(uint8_t month) {
    return month > 100 ? "leap " + std::to_string(month - 100) : std::to_string(month);
}

// Lists the instants that another ephemeris or ΔT could move across
// midnight: new moons (the month would begin a day earlier or later, and a
// principal term on the day at stake would change lunation) and principal
// terms on a month's first or last day (they would change lunation).
void ReportNearMidnight(const std::vector<Lunation>& months, double limitMinutes) {
    std::printf("Within %g minutes of midnight, Japan Standard Time:\n", limitMinutes);
    for (size_t i = 0; i < months.size(); ++i) {
        const Lunation& m = months[i];
        const double minutes = MinutesFromMidnight(m.newMoonUt);
        if (std::abs(minutes) < limitMinutes) {
            const int32_t dayAtStake = minutes >= 0 ? m.firstDay - 1 : m.firstDay;
            std::string termAtStake;
            for (size_t k = i == 0 ? 0 : i - 1; k <= i; ++k) {
                for (const PrincipalTerm& term : months[k].terms) {
                    if (term.day == dayAtStake) termAtStake += ", principal term " + std::to_string(term.longitude) + " that day";
                }
            }
            std::printf("  new moon %s (%+.2f min): month %s begins %s%s\n", JapanTimeText(m.newMoonUt).c_str(), minutes,
                        MonthText(m.month).c_str(), DateText(m.firstDay).c_str(), termAtStake.c_str());
        }
        for (const PrincipalTerm& term : m.terms) {
            const double termMinutes = MinutesFromMidnight(term.instantUt);
            const bool onFirstDay = term.day == m.firstDay && termMinutes >= 0;
            const bool onLastDay = i + 1 < months.size() && term.day + 1 == months[i + 1].firstDay && termMinutes < 0;
            if (std::abs(termMinutes) < limitMinutes && (onFirstDay || onLastDay)) {
                std::printf("  principal term %d at %s (%+.2f min), on the %s day of month %s\n", term.longitude,
                            JapanTimeText(term.instantUt).c_str(), termMinutes, onFirstDay ? "first" : "last",
                            MonthText(m.month).c_str());
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
