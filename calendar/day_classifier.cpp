#include "calendar/day_classifier.h"

#include "calendar/comma_text.h"
#include "calendar/equinox.h"
#include "calendar/julius.h"

namespace zenka {

const char* const kVernalEquinoxName = "春分の日";
const char* const kAutumnalEquinoxName = "秋分の日";
const char* const kFurikaeName = "振替休日";
const char* const kKokuminNoKyujitsuName = "国民の休日";

namespace {

// Julius days on which the holiday law's amendments took effect. Substitute
// holidays exist from 1973-04-12 and days between two holidays are holidays
// from 1985-12-27. From 2007-01-01 a holiday Sunday's substitute is the first
// day after it that is no holiday, not only the Monday.
constexpr int32_t kSubstituteHolidaysFrom = 2441785;
constexpr int32_t kDaysBetweenHolidaysFrom = 2446427;
constexpr int32_t kSubstituteAfterHolidayRunFrom = 2454102;

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

bool IsListedOrEquinox(const DayRuleSet& rules, bool listed, int32_t y, uint8_t m, uint8_t d) {
    return listed || (rules.AutoEquinox && EquinoxName(y, m, d));
}

// A holiday in its own right, the kind the derived holidays are reckoned
// from: a day the holiday list names or, when switched on, an equinox day.
bool IsBaseHoliday(const DayRuleSet& rules, int32_t julius) {
    const CivilDate date = JuliusToDate(julius);
    return IsListedOrEquinox(rules, rules.HolidayList.AnyMatch(date.year, date.month, date.day), date.year,
                             date.month, date.day);
}

enum class DerivedHoliday { None, Substitute, BetweenHolidays };

// For a date that is no base holiday while the day before is one.
bool IsSubstituteHoliday(const DayRuleSet& rules, int32_t julius, uint8_t weekday) {
    if (julius < kSubstituteAfterHolidayRunFrom) return weekday == 2;
    // Walk back over the run of holidays that ends yesterday, looking for a
    // Sunday from 2007 on. Every seven days hold a Sunday, so the walk takes a
    // week at most.
    for (int32_t j = julius - 1;; --j) {  // j is a base holiday
        if (j < kSubstituteAfterHolidayRunFrom) return false;
        if (JuliusDayOfWeek(j) == 1) return true;
        if (!IsBaseHoliday(rules, j - 1)) return false;
    }
}

// What the holiday law makes of a date that is no base holiday.
DerivedHoliday DerivedHolidayOf(const DayRuleSet& rules, int32_t julius, uint8_t weekday) {
    if (!rules.AutoFurikae || julius < kSubstituteHolidaysFrom) return DerivedHoliday::None;
    // Both kinds follow a holiday; most days stop here after one more look.
    if (!IsBaseHoliday(rules, julius - 1)) return DerivedHoliday::None;
    if (IsSubstituteHoliday(rules, julius, weekday)) return DerivedHoliday::Substitute;
    if (julius >= kDaysBetweenHolidaysFrom && weekday != 1 && IsBaseHoliday(rules, julius + 1)) {
        return DerivedHoliday::BetweenHolidays;
    }
    return DerivedHoliday::None;
}

struct HolidayKind {
    uint8_t flags = 0;  // weekday and holiday flags
    DerivedHoliday derived = DerivedHoliday::None;
};

// The weekday and holiday side of a date whose match in the holiday list is
// already known.
HolidayKind ClassifyHoliday(const DayRuleSet& rules, bool listed, int32_t y, uint8_t m, uint8_t d) {
    HolidayKind kind;
    const int32_t julius = DateToJulius(y, m, d);
    const uint8_t weekday = JuliusDayOfWeek(julius);
    if (weekday == 1) kind.flags |= dfSunday;
    if (weekday == 7) kind.flags |= dfSaturday;
    if (IsListedOrEquinox(rules, listed, y, m, d)) {
        kind.flags |= dfHoliday;
        return kind;
    }
    kind.derived = DerivedHolidayOf(rules, julius, weekday);
    if (kind.derived == DerivedHoliday::Substitute) kind.flags |= dfFurikae;
    if (kind.derived == DerivedHoliday::BetweenHolidays) kind.flags |= dfHoliday;
    return kind;
}

}  // namespace

uint8_t GetDayAttributes(const DayRuleSet& rules, int32_t y, uint8_t m, uint8_t d) {
    uint8_t flags = 0;
    if (rules.YoteiDayList.AnyMatch(y, m, d)) flags |= dfYoteiDay;
    if (rules.SpecialDayList.AnyMatch(y, m, d)) flags |= dfSpecialDay;
    const bool listed = rules.HolidayList.AnyMatch(y, m, d);
    return flags | ClassifyHoliday(rules, listed, y, m, d).flags;
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
    const size_t beforeHolidayList = names.size();
    rules.HolidayList.ForEachMatch(y, m, d, collect);
    const bool listed = names.size() > beforeHolidayList;
    if (rules.AutoEquinox) {
        if (const char* equinox = EquinoxName(y, m, d)) names.emplace_back(equinox);
    }
    // Only the derived holidays need the date's day number, so with them off
    // a date of the 1582 gap still gets its listed names.
    if (rules.AutoFurikae) {
        switch (ClassifyHoliday(rules, listed, y, m, d).derived) {
            case DerivedHoliday::Substitute: names.emplace_back(kFurikaeName); break;
            case DerivedHoliday::BetweenHolidays: names.emplace_back(kKokuminNoKyujitsuName); break;
            case DerivedHoliday::None: break;
        }
    }
    return names;
}

std::string GetDayNames(const DayRuleSet& rules, int32_t y, uint8_t m, uint8_t d) {
    return JoinCommaText(GetDayNameList(rules, y, m, d));
}

}  // namespace zenka
