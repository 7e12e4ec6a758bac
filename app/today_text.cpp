#include "app/today_text.h"

#include "calendar/era.h"
#include "calendar/old_calendar.h"

namespace zenka {

namespace {
constexpr const char* kWeekdays[8] = {"", "(日)", "(月)", "(火)", "(水)", "(木)", "(金)", "(土)"};
}

TodayText DescribeDay(const DayRuleSet& rules, int32_t year, uint8_t month, uint8_t day) {
    const int32_t julius = DateToJulius(year, month, day);
    TodayText text;
    text.caption = CalendarCaption(year, month, true);
    text.date = std::to_string(day) + "日" + kWeekdays[JuliusDayOfWeek(julius)];
    if (const uint8_t rokuyo = RokuyoIndex(julius)) text.date += " " + std::string(RokuyoNames(rokuyo));
    text.names = GetDayNames(rules, year, month, day);
    return text;
}

}  // namespace zenka
