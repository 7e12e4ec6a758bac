#include "calendar/era.h"

namespace zenka {

namespace {

struct Era {
    int32_t firstYear;  // the whole of this year counts as the era's first year
    const char* name;
};

// Newest first.
constexpr Era kEras[] = {{2019, "令和"}, {1989, "平成"}, {1926, "昭和"}};

const Era* EraOf(int32_t year) {
    for (const Era& era : kEras) {
        if (year >= era.firstYear) return &era;
    }
    return nullptr;
}

}  // namespace

std::string EraYearText(int32_t year) {
    const Era* era = EraOf(year);
    if (!era) return std::to_string(year);
    const int32_t eraYear = year - era->firstYear + 1;
    return std::string(era->name) + (eraYear == 1 ? "元" : std::to_string(eraYear));
}

std::string CalendarCaption(int32_t year, uint8_t month, bool eraDisplay) {
    const std::string yearText = eraDisplay ? EraYearText(year) : std::to_string(year);
    return yearText + "年" + std::to_string(month) + "月";
}

std::string TooltipEraText(int32_t year, bool eraDisplay) {
    const std::string western = std::to_string(year) + "年";
    if (!EraOf(year)) return western;
    const std::string era = EraYearText(year) + "年";
    return eraDisplay ? era + "(" + western + ")" : western + "(" + era + ")";
}

}  // namespace zenka
