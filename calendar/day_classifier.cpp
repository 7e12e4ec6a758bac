#include "calendar/day_classifier.h"

#include "calendar/comma_text.h"
#include "calendar/equinox.h"
#include "calendar/julius.h"

namespace zenka {

const char* const kVernalEquinoxName = "春分の日";
const char* const kAutumnalEquinoxName = "秋分の日";
const char* const kFurikaeName = "振替休日";

namespace {

// The equinox name of the date, or null. The two days of the last year asked
// about are kept, since a month's cells all ask about the same year.
const char* EquinoxName(int32_t y, uint8_t m, uint8_t d) {
    struct YearEquinoxes {
        bool known = false;
        int32_t year = 0;
        CivilDate vernal, autumnal;
    };
    thread_local YearEquinoxes last;
    if (!last.known || last.year != y) {
        last = {true, y, JuliusToDate(VernalEquinoxJulius(y)), JuliusToDate(AutumnalEquinoxJulius(y))};
    }
    if (last.vernal.month == m && last.vernal.day == d) return kVernalEquinoxName;
    if (last.autumnal.month == m && last.autumnal.day == d) return kAutumnalEquinoxName;
    return nullptr;
}

bool IsSubstituteHoliday(const DayRuleSet& rules, int32_t julius, uint8_t weekday, uint8_t flags) {
    if (!rules.AutoFurikae || weekday != 2 || (flags & dfHoliday)) return false;
    const CivilDate sunday = JuliusToDate(julius - 1);
    return GetDayAttributes(rules, sunday.year, sunday.month, sunday.day) & dfHoliday;
}

}  // namespace

uint8_t GetDayAttributes(const DayRuleSet& rules, int32_t y, uint8_t m, uint8_t d) {
    uint8_t flags = 0;
    if (rules.YoteiDayList.AnyMatch(y, m, d)) flags |= dfYoteiDay;
    if (rules.SpecialDayList.AnyMatch(y, m, d)) flags |= dfSpecialDay;
    if (rules.HolidayList.AnyMatch(y, m, d)) flags |= dfHoliday;
    const int32_t julius = DateToJulius(y, m, d);
    const uint8_t weekday = JuliusDayOfWeek(julius);
    if (weekday == 1) flags |= dfSunday;
    if (weekday == 7) flags |= dfSaturday;
    if (rules.AutoEquinox && EquinoxName(y, m, d)) flags |= dfHoliday;
    if (IsSubstituteHoliday(rules, julius, weekday, flags)) flags |= dfFurikae;
    return flags;
}

DayFontIndex DayFontOf(uint8_t flags) {
    DayFontIndex font = kFontWeekday;
    if (flags & dfSaturday) {
        font = kFontSaturday;
    } else if (flags & dfSunday) {
        font = kFontSunday;
    }
    if (flags & (dfHoliday | dfFurikae)) font = kFontHoliday;
    if (flags & dfSpecialDay) font = kFontSpecialDay;
    if (flags & dfYoteiDay) font = kFontYoteiDay;
    return font;
}

DayFontIndex GetDayFont(const DayRuleSet& rules, int32_t y, uint8_t m, uint8_t d) {
    return DayFontOf(GetDayAttributes(rules, y, m, d));
}

std::vector<std::string> GetDayNameList(const DayRuleSet& rules, int32_t y, uint8_t m, uint8_t d) {
    std::vector<std::string> names;
    const auto collect = [&names](size_t, const std::string& name) { names.push_back(name); };
    rules.YoteiDayList.ForEachMatch(y, m, d, collect);
    rules.SpecialDayList.ForEachMatch(y, m, d, collect);
    rules.HolidayList.ForEachMatch(y, m, d, collect);
    if (rules.AutoEquinox) {
        if (const char* equinox = EquinoxName(y, m, d)) names.emplace_back(equinox);
    }
    if (rules.AutoFurikae && (GetDayAttributes(rules, y, m, d) & dfFurikae)) names.emplace_back(kFurikaeName);
    return names;
}

std::string GetDayNames(const DayRuleSet& rules, int32_t y, uint8_t m, uint8_t d) {
    return JoinCommaText(GetDayNameList(rules, y, m, d));
}

}  // namespace zenka
