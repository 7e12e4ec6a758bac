#include "calendar/era.h"

#include <tuple>

namespace zenka {

namespace {

constexpr Era kEras[] = {
    {"明治", {1868, 10, 23}}, {"大正", {1912, 7, 30}}, {"昭和", {1926, 12, 25}},
    {"平成", {1989, 1, 8}},   {"令和", {2019, 5, 1}},
};

// Dates compare as written, so days of the 1582 gap need no conversion.
bool Before(const CivilDate& a, const CivilDate& b) {
    return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}

std::string YearOf(const Era& era, int32_t year) {
    const int32_t eraYear = year - era.firstDay.year + 1;
    return std::string(era.name) + (eraYear == 1 ? "元" : std::to_string(eraYear));
}

}  // namespace

std::span<const Era> Eras() { return kEras; }

const Era* EraOn(const CivilDate& date) {
    const Era* found = nullptr;
    for (const Era& era : kEras) {
        if (Before(date, era.firstDay)) break;
        found = &era;
    }
    return found;
}

std::string EraYearText(const CivilDate& date) {
    const Era* era = EraOn(date);
    return era ? YearOf(*era, date.year) : std::to_string(date.year);
}

std::string CalendarCaption(const CivilDate& selected, bool eraDisplay) {
    const std::string year = eraDisplay ? EraYearText(selected) : std::to_string(selected.year);
    return year + "年" + std::to_string(selected.month) + "月";
}

std::string MonthCaption(int32_t year, uint8_t month) {
    std::string years = EraYearText({year, month, 1}) + "年";
    for (const Era& era : kEras) {
        if (era.firstDay.year == year && era.firstDay.month == month && era.firstDay.day > 1) {
            years += "・" + YearOf(era, year) + "年";
        }
    }
    return years + std::to_string(month) + "月";
}

std::string TooltipEraText(const CivilDate& date, bool eraDisplay) {
    const std::string western = std::to_string(date.year) + "年";
    if (!EraOn(date)) return western;
    const std::string era = EraYearText(date) + "年";
    return eraDisplay ? era + "(" + western + ")" : western + "(" + era + ")";
}

}  // namespace zenka
