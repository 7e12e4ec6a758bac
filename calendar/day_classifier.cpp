#include "calendar/day_classifier.h"

#include <optional>

#include "calendar/comma_text.h"
#include "calendar/day_walk.h"
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
bool IsBaseHoliday(const DayRuleSet& rules, const CivilDate& date) {
    return IsListedOrEquinox(rules, rules.HolidayList.AnyMatch(date.year, date.month, date.day), date.year,
                             date.month, date.day);
}

enum class DerivedHoliday { None, Substitute, BetweenHolidays };

// For a date that is no base holiday while the day before is one.
bool IsSubstituteHoliday(const DayRuleSet& rules, const WalkDay& day) {
    if (day.julius < kSubstituteAfterHolidayRunFrom) return day.weekday == 2;
    // Walk back over the run of holidays that ends yesterday, looking for a
    // Sunday from 2007 on. Every seven days hold a Sunday, so the walk takes a
    // week at most.
    for (WalkDay holiday = DayBefore(day);; holiday = DayBefore(holiday)) {
        if (holiday.julius < kSubstituteAfterHolidayRunFrom) return false;
        if (holiday.weekday == 1) return true;
        if (!IsBaseHoliday(rules, DayBefore(holiday).date)) return false;
    }
}

// What the holiday law makes of a date that is no base holiday; whether the
// day before is one may be known already.
DerivedHoliday DerivedHolidayOf(const DayRuleSet& rules, const WalkDay& day, std::optional<bool> dayBeforeIsBase) {
    if (!rules.AutoFurikae || day.julius < kSubstituteHolidaysFrom) return DerivedHoliday::None;
    // Both kinds follow a holiday; most days stop here after one more look.
    const bool afterHoliday = dayBeforeIsBase ? *dayBeforeIsBase : IsBaseHoliday(rules, DayBefore(day).date);
    if (!afterHoliday) return DerivedHoliday::None;
    if (IsSubstituteHoliday(rules, day)) return DerivedHoliday::Substitute;
    if (day.julius >= kDaysBetweenHolidaysFrom && day.weekday != 1 && IsBaseHoliday(rules, DayAfter(day).date)) {
        return DerivedHoliday::BetweenHolidays;
    }
    return DerivedHoliday::None;
}

struct HolidayKind {
    uint8_t flags = 0;  // weekday and holiday flags
    bool base = false;
    DerivedHoliday derived = DerivedHoliday::None;
};

// The weekday and holiday side of a date whose match in the holiday list is
// already known. The date is as asked; the day gives its number, weekday
// and neighbours.
HolidayKind ClassifyHoliday(const DayRuleSet& rules, bool listed, int32_t y, uint8_t m, uint8_t d,
                            const WalkDay& day, std::optional<bool> dayBeforeIsBase = std::nullopt) {
    HolidayKind kind;
    if (day.weekday == 1) kind.flags |= dfSunday;
    if (day.weekday == 7) kind.flags |= dfSaturday;
    if (IsListedOrEquinox(rules, listed, y, m, d)) {
        kind.flags |= dfHoliday;
        kind.base = true;
        return kind;
    }
    kind.derived = DerivedHolidayOf(rules, day, dayBeforeIsBase);
    if (kind.derived == DerivedHoliday::Substitute) kind.flags |= dfFurikae;
    if (kind.derived == DerivedHoliday::BetweenHolidays) kind.flags |= dfHoliday;
    return kind;
}

void AddDerivedName(DerivedHoliday derived, std::vector<std::string>& names) {
    switch (derived) {
        case DerivedHoliday::Substitute: names.emplace_back(kFurikaeName); break;
        case DerivedHoliday::BetweenHolidays: names.emplace_back(kKokuminNoKyujitsuName); break;
        case DerivedHoliday::None: break;
    }
}

}  // namespace

uint8_t GetDayAttributes(const DayRuleSet& rules, int32_t y, uint8_t m, uint8_t d) {
    uint8_t flags = 0;
    if (rules.YoteiDayList.AnyMatch(y, m, d)) flags |= dfYoteiDay;
    if (rules.SpecialDayList.AnyMatch(y, m, d)) flags |= dfSpecialDay;
    const bool listed = rules.HolidayList.AnyMatch(y, m, d);
    return flags | ClassifyHoliday(rules, listed, y, m, d, WalkDayOfDate(y, m, d)).flags;
}

DayClassification ClassifyDay(const DayRuleSet& rules, const WalkDay& day, std::optional<bool> dayBeforeOwnHoliday) {
    const int32_t y = day.date.year;
    const uint8_t m = day.date.month;
    const uint8_t d = day.date.day;
    DayClassification out;
    const auto collect = [&out](size_t, const std::string& name) { out.names.push_back(name); };
    // Each list's matches, counted by the names they add.
    const auto matchList = [&](const DayList& list) {
        const size_t before = out.names.size();
        list.ForEachMatch(y, m, d, collect);
        return out.names.size() > before;
    };
    if (matchList(rules.YoteiDayList)) out.flags |= dfYoteiDay;
    if (matchList(rules.SpecialDayList)) out.flags |= dfSpecialDay;
    const bool listed = matchList(rules.HolidayList);
    const HolidayKind kind = ClassifyHoliday(rules, listed, y, m, d, day, dayBeforeOwnHoliday);
    out.flags |= kind.flags;
    out.ownHoliday = kind.base;
    if (rules.AutoEquinox) {
        if (const char* equinox = EquinoxName(y, m, d)) out.names.emplace_back(equinox);
    }
    AddDerivedName(kind.derived, out.names);
    return out;
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
        AddDerivedName(ClassifyHoliday(rules, listed, y, m, d, WalkDayOfDate(y, m, d)).derived, names);
    }
    return names;
}

std::string GetDayNames(const DayRuleSet& rules, int32_t y, uint8_t m, uint8_t d) {
    return JoinCommaText(GetDayNameList(rules, y, m, d));
}

}  // namespace zenka
