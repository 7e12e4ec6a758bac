// What kind of day a date is: its attribute flags, its font and its names,
// from the three day lists, the weekday, the equinoxes and the holidays that
// follow from the others: substitute holidays and days between two holidays.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calendar/day_list.h"

namespace zenka {

enum DayFlag : uint8_t {
    dfSunday = 0x01,
    dfSaturday = 0x02,
    dfHoliday = 0x04,
    dfFurikae = 0x08,
    dfSpecialDay = 0x10,
    dfYoteiDay = 0x20,
};

// The calendar's eight fonts, by index.
enum DayFontIndex : uint8_t {
    kFontWeekday = 0,
    kFontSaturday = 1,
    kFontSunday = 2,
    kFontDayOfWeek = 3,
    kFontHoliday = 4,
    kFontSpecialDay = 5,
    kFontRokuyo = 6,
    kFontYoteiDay = 7,
};

extern const char* const kVernalEquinoxName;      // "春分の日"
extern const char* const kAutumnalEquinoxName;    // "秋分の日"
extern const char* const kFurikaeName;            // "振替休日"
extern const char* const kKokuminNoKyujitsuName;  // "国民の休日"

struct DayRuleSet {
    DayList HolidayList{DayListKind::Holiday};
    DayList SpecialDayList{DayListKind::Special};
    DayList YoteiDayList{DayListKind::Yotei};
    bool AutoEquinox = true;
    // Substitute holidays and days between two holidays.
    bool AutoFurikae = true;
};

// These raise EDayRuleError for a malformed line they reach and EJuliusError
// for a date in the 1582 gap.
uint8_t GetDayAttributes(const DayRuleSet& rules, int32_t year, uint8_t month, uint8_t day);
DayFontIndex GetDayFont(const DayRuleSet& rules, int32_t year, uint8_t month, uint8_t day);
DayFontIndex DayFontOf(uint8_t flags);
std::vector<std::string> GetDayNameList(const DayRuleSet& rules, int32_t year, uint8_t month, uint8_t day);
// The names as comma text.
std::string GetDayNames(const DayRuleSet& rules, int32_t year, uint8_t month, uint8_t day);

struct WalkDay;

struct DayClassification {
    uint8_t flags = 0;
    std::vector<std::string> names;
    // A holiday in its own right (the holiday list names it, or an equinox
    // day), which the holidays the law derives are reckoned from: what the
    // next day's classification asks about this one.
    bool ownHoliday = false;
};

// The flags and names of a day whose number and weekday are known, as a walk
// over days has them: what GetDayAttributes and GetDayNameList give, for one
// look at each list. A walk passes the day before's ownHoliday, which saves
// looking at that day again. Raises EDayRuleError as they do.
DayClassification ClassifyDay(const DayRuleSet& rules, const WalkDay& day,
                              std::optional<bool> dayBeforeOwnHoliday = std::nullopt);

}  // namespace zenka
