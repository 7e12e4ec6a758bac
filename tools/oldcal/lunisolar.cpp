#include "tools/oldcal/lunisolar.h"

#include <stdexcept>

#include "tools/oldcal/delta_t.h"
#include "tools/oldcal/new_moon.h"

namespace zenka::oldcal {

namespace {

constexpr int kWinterSolstice = 270;

// Julius day numbers count from noon: the day of a Julian Date x is
// floor(x + 0.5).
double JulianDateOfDay(int32_t day) { return day - 0.5; }

constexpr int kPrincipalLongitudes[] = {0, 30, 60, 90, 120, 150, 180, 210, 240, 270, 300, 330};

}  // namespace

void NumberMonths(std::span<Lunation> lunations) {
    std::vector<size_t> solsticeMonths;
    for (size_t i = 0; i < lunations.size(); ++i) {
        for (const PrincipalTerm& term : lunations[i].terms) {
            if (term.longitude == kWinterSolstice) solsticeMonths.push_back(i);
        }
    }
    for (size_t s = 0; s + 1 < solsticeMonths.size(); ++s) {
        const size_t from = solsticeMonths[s], to = solsticeMonths[s + 1];
        size_t leap = to;
        if (to - from == 13) {
            for (size_t i = from + 1; i < to && leap == to; ++i) {
                if (lunations[i].terms.empty()) leap = i;
            }
            if (leap == to) throw std::runtime_error("thirteen lunations without one lacking a principal term");
        } else if (to - from != 12) {
            throw std::runtime_error("winter solstices " + std::to_string(to - from) + " lunations apart");
        }
        int month = 11;
        lunations[from].month = 11;
        for (size_t i = from + 1; i < to; ++i) {
            if (i == leap) {
                lunations[i].month = static_cast<uint8_t>(100 + month);
            } else {
                month = month % 12 + 1;
                lunations[i].month = static_cast<uint8_t>(month);
            }
        }
    }
    if (!solsticeMonths.empty()) lunations[solsticeMonths.back()].month = 11;
}

std::vector<Lunation> OldCalendarMonths(int32_t fromDay, int32_t toDay) {
    // Enough lunations on both sides to reach the winter solstice months
    // around the range, which numbering needs.
    const int firstK = LunationNumberNear(JulianDateOfDay(fromDay)) - 15;
    const int lastK = LunationNumberNear(JulianDateOfDay(toDay)) + 15;
    std::vector<Lunation> lunations;
    for (int k = firstK; k <= lastK; ++k) {
        Lunation lunation;
        lunation.newMoonUt = UniversalTime(NewMoonJde(k));
        lunation.firstDay = JapanDay(lunation.newMoonUt);
        lunations.push_back(lunation);
    }

    // A term belongs to the lunation whose days hold the term's day; the
    // search starts a day early for a term on the first new moon's day but
    // before its hour. The last lunation only bounds the one before it.
    size_t i = 0;
    for (const PrincipalTerm& term :
         SolarArrivalsBetween(kPrincipalLongitudes, NewMoonJde(firstK) - 1, NewMoonJde(lastK))) {
        while (i + 1 < lunations.size() && lunations[i + 1].firstDay <= term.day) ++i;
        if (i + 1 < lunations.size() && lunations[i].firstDay <= term.day) lunations[i].terms.push_back(term);
    }
    NumberMonths(lunations);

    size_t first = 0;
    while (first + 1 < lunations.size() && lunations[first + 1].firstDay <= fromDay) ++first;
    size_t last = first;
    while (last + 1 < lunations.size() && lunations[last + 1].firstDay <= toDay) ++last;
    if (first == 0 || last + 2 >= lunations.size()) throw std::logic_error("lunations computed too narrowly");
    std::vector<Lunation> months(lunations.begin() + static_cast<ptrdiff_t>(first),
                                 lunations.begin() + static_cast<ptrdiff_t>(last) + 2);
    for (const Lunation& month : months) {
        if (month.month == 0) throw std::logic_error("a month in range lies outside the numbered lunations");
    }
    return months;
}

std::string FormatOldCalendarTable(std::span<const Lunation> lunations) {
    std::string text;
    for (const Lunation& lunation : lunations) {
        text += std::to_string(lunation.firstDay) + "," + std::to_string(lunation.month) + "\r\n";
    }
    return text;
}

}  // namespace zenka::oldcal
