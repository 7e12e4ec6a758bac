#include "calendar/day_description.h"

#include <array>

#include "calendar/era.h"
#include "calendar/old_calendar.h"

namespace zenka {

namespace {

std::string PartText(DayPart part, const DescribedDay& day, const DayWording& wording) {
    switch (part) {
        case DayPart::Year: return TooltipEraText(day.date, wording.eraFirst);
        case DayPart::MonthDay: return std::to_string(day.date.month) + "月" + std::to_string(day.date.day) + "日";
        case DayPart::DayOfMonth: return (day.date.day < 10 ? " " : "") + std::to_string(day.date.day);
        case DayPart::Weekday: return "(" + std::string(WeekdayLetter(day.weekday)) + ")";
        case DayPart::Rokuyo: {
            const uint8_t index = wording.rokuyo ? RokuyoIndex(day.julius) : 0;
            return index == 0 ? std::string() : std::string(RokuyoNames(index));
        }
        case DayPart::Names: return std::string(day.names);
    }
    return {};
}

// What separates a part from the next part that is written.
std::string_view GapAfter(DayPart part) { return part == DayPart::Rokuyo ? " " : ""; }

}  // namespace

DescribedDay DescribedDayOf(const CivilDate& date, std::string_view names) {
    const int32_t julius = DateToJulius(date.year, date.month, date.day);
    return {date, julius, JuliusDayOfWeek(julius), names};
}

std::string DescribeDay(std::span<const DayPart> parts, const DescribedDay& day, const DayWording& wording) {
    std::string text;
    std::string_view gap;
    for (const DayPart part : parts) {
        const std::string piece = PartText(part, day, wording);
        if (piece.empty()) continue;
        text += gap;
        text += piece;
        gap = GapAfter(part);
    }
    return text;
}

std::string_view WeekdayLetter(uint8_t weekday) {
    static constexpr std::array<std::string_view, 7> kLetters = {"日", "月", "火", "水", "木", "金", "土"};
    return weekday >= 1 && weekday <= 7 ? kLetters[weekday - 1] : std::string_view();
}

}  // namespace zenka
