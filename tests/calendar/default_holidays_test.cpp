#include "calendar/default_holidays.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "calendar/day_classifier.h"
#include "calendar/julius.h"
#include "tests/calendar/law_holidays.h"

namespace zenka {
namespace {

// Holiday flag, substitute flag and names of every day, against the law's
// own table; and every line of the list names some day of those years.
TEST(DefaultHolidays, EveryDayFrom1949To2050IsAsTheLawGaveIt) {
    const law::Holidays law = law::AllHolidays();
    DayRuleSet rules;
    rules.HolidayList.Assign(DefaultHolidayLines());
    std::vector<bool> lineUsed(rules.HolidayList.Lines().size());
    int wrongDays = 0;
    for (int32_t j = DateToJulius(law::kFirstYear, 1, 1); j <= DateToJulius(law::kLastYear, 12, 31); ++j) {
        const CivilDate date = JuliusToDate(j);
        const uint8_t flags = GetDayAttributes(rules, date.year, date.month, date.day);
        const std::vector<std::string> names = GetDayNameList(rules, date.year, date.month, date.day);
        rules.HolidayList.ForEachMatch(date.year, date.month, date.day,
                                       [&lineUsed](size_t line, const std::string&) { lineUsed[line] = true; });
        const auto holiday = law.find(j);
        const bool isHoliday = holiday != law.end();
        const bool substitute = isHoliday && holiday->second.substitute;
        const std::vector<std::string> lawNames =
            isHoliday ? std::vector<std::string>{holiday->second.name} : std::vector<std::string>{};
        if (bool(flags & dfHoliday) != (isHoliday && !substitute) || bool(flags & dfFurikae) != substitute ||
            names != lawNames) {
            ADD_FAILURE() << date.year << "-" << int{date.month} << "-" << int{date.day} << ": flags " << int{flags}
                          << ", names \"" << GetDayNames(rules, date.year, date.month, date.day) << "\", the law: "
                          << (isHoliday ? holiday->second.name : "no holiday");
            ASSERT_LT(++wrongDays, 40) << "and more";
        }
    }
    for (size_t line = 0; line < lineUsed.size(); ++line) {
        EXPECT_TRUE(lineUsed[line]) << "no day needs the line " << rules.HolidayList.Lines()[line];
    }
}

TEST(DefaultHolidays, EachHolidaysLinesStandTogether) {
    const std::vector<std::string> lines = DefaultHolidayLines();
    EXPECT_EQ(lines.size(), 195u);
    std::map<std::string, size_t> lastLineOf;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string name = DayRule(lines[i]).Name();
        const auto last = lastLineOf.find(name);
        if (last != lastLineOf.end()) {
            EXPECT_EQ(last->second, i - 1) << lines[i] << " stands apart from its holiday";
        }
        lastLineOf[name] = i;
    }
    EXPECT_EQ(lines.front(), "1,1,元日");
}

}  // namespace
}  // namespace zenka
