#include "tools/oldcal/lunisolar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "calendar/julius.h"
#include "calendar/old_calendar.h"
#include "tests/calendar/first_old_calendar_table.h"

namespace zenka::oldcal {
namespace {

const std::vector<Lunation>& TwoCenturies() {
    static const std::vector<Lunation> months = OldCalendarMonths(DateToJulius(1900, 1, 1), DateToJulius(2100, 12, 31));
    return months;
}

const Lunation* MonthBeginning(int32_t year, uint8_t month, uint8_t day) {
    const int32_t j = DateToJulius(year, month, day);
    for (const Lunation& m : TwoCenturies()) {
        if (m.firstDay == j) return &m;
    }
    return nullptr;
}

TEST(OldCalendarTable, ReproducesTheFirstTableByteForByte) {
    const std::string table = FormatOldCalendarTable(OldCalendarMonths(2447889, 2455536));
    EXPECT_EQ(table, std::string(FirstOldCalendarTable()));
}

TEST(OldCalendarTable, EmbeddedTableIsTheGeneratorsOutput) {
    EXPECT_EQ(FormatOldCalendarTable(TwoCenturies()), std::string(JdOldCalText()))
        << "calendar/data/JDOLDCAL.txt is stale: rebuild the oldcal_table target";
    EXPECT_EQ(TwoCenturies().front().firstDay, DateToJulius(1900, 1, 1));
    EXPECT_EQ(TwoCenturies().back().firstDay, DateToJulius(2101, 1, 29));
}

TEST(OldCalendarTable, MonthsFollowEachOtherAndLastTwentyNineOrThirtyDays) {
    const auto& months = TwoCenturies();
    for (size_t i = 1; i < months.size(); ++i) {
        const int32_t length = months[i].firstDay - months[i - 1].firstDay;
        ASSERT_TRUE(length == 29 || length == 30) << "month beginning on day " << months[i - 1].firstDay;
        const int previous = months[i - 1].month % 100;
        const int expected = months[i].month > 100 ? 100 + previous : previous % 12 + 1;
        ASSERT_EQ(months[i].month, expected) << "month beginning on day " << months[i].firstDay;
    }
}

TEST(OldCalendarTable, LeapMonthsAndNewYearOfRecentYears) {
    struct Leap {
        int32_t year;
        uint8_t month, day;
        uint8_t oldMonth;
    };
    const Leap leaps[] = {{2012, 4, 21, 103}, {2014, 10, 24, 109}, {2017, 6, 24, 105}, {2020, 5, 23, 104},
                          {2023, 3, 22, 102}, {2025, 7, 25, 106},  {2033, 12, 22, 111}};
    for (const Leap& l : leaps) {
        const Lunation* m = MonthBeginning(l.year, l.month, l.day);
        ASSERT_NE(m, nullptr) << "no month begins on " << l.year << "-" << int(l.month) << "-" << int(l.day);
        EXPECT_EQ(m->month, l.oldMonth) << l.year;
        EXPECT_TRUE(m->terms.empty()) << "a leap month holds no principal term, " << l.year;
    }
    ASSERT_NE(MonthBeginning(2026, 2, 17), nullptr);
    EXPECT_EQ(MonthBeginning(2026, 2, 17)->month, 1) << "old new year 2026";
    EXPECT_EQ(std::count_if(TwoCenturies().begin(), TwoCenturies().end(), [](const Lunation& m) { return m.month > 100; }),
              74);
}

// Lunations from the first one beginning in `year` up to the first of the
// next year, as "MM-DD:month" items.
std::string MonthsOfYear(int32_t year) {
    std::string text;
    for (const Lunation& m : TwoCenturies()) {
        const CivilDate d = JuliusToDate(m.firstDay);
        if (d.year != year) continue;
        if (!text.empty()) text += " ";
        text += (d.month < 10 ? "0" : "") + std::to_string(d.month) + "-" + (d.day < 10 ? "0" : "") +
                std::to_string(d.day) + ":" + std::to_string(m.month);
    }
    return text;
}

// A lunation without a principal term is a leap month only where thirteen
// lunations lie between two winter-solstice months; these years each hold
// such a lunation (beside one holding two terms) inside a twelve-month span,
// and 2033 holds one before the leap month that the solstices call for.
TEST(OldCalendarTable, LeapMonthsComeOnlyFromThirteenLunationYears) {
    struct Uneven {
        CivilDate withoutTerm, withTwo;
    };
    const Uneven uneven[] = {{{1965, 9, 25}, {1965, 10, 24}},
                             {{1985, 2, 20}, {1984, 12, 22}},
                             {{2033, 8, 25}, {2033, 11, 22}},
                             {{2053, 2, 19}, {2052, 12, 21}}};
    for (const Uneven& u : uneven) {
        const Lunation* without = MonthBeginning(u.withoutTerm.year, u.withoutTerm.month, u.withoutTerm.day);
        const Lunation* withTwo = MonthBeginning(u.withTwo.year, u.withTwo.month, u.withTwo.day);
        ASSERT_TRUE(without && withTwo) << u.withoutTerm.year;
        EXPECT_TRUE(without->terms.empty()) << u.withoutTerm.year;
        EXPECT_EQ(withTwo->terms.size(), 2u) << u.withoutTerm.year;
        EXPECT_LT(without->month, 100) << u.withoutTerm.year;
    }
    EXPECT_EQ(MonthsOfYear(1965),
              "01-03:12 02-02:1 03-03:2 04-02:3 05-01:4 05-31:5 06-29:6 07-28:7 08-27:8 09-25:9 10-24:10 11-23:11 "
              "12-23:12");
    EXPECT_EQ(MonthsOfYear(1985),
              "01-21:12 02-20:1 03-21:2 04-20:3 05-20:4 06-18:5 07-18:6 08-16:7 09-15:8 10-14:9 11-12:10 12-12:11");
    EXPECT_EQ(MonthsOfYear(2053),
              "01-20:12 02-19:1 03-20:2 04-19:3 05-18:4 06-16:5 07-16:6 08-14:7 09-12:8 10-12:9 11-10:10 12-10:11");
    EXPECT_EQ(MonthsOfYear(2033),
              "01-01:12 01-31:1 03-01:2 03-31:3 04-29:4 05-28:5 06-27:6 07-26:7 08-25:8 09-23:9 10-23:10 11-22:11 "
              "12-22:111");
    EXPECT_EQ(MonthBeginning(2034, 1, 20)->month, 12);
    // The leap month of 1984 is the one without a term before the solstice
    // month; the one early in 1985 is not.
    EXPECT_EQ(MonthBeginning(1984, 11, 23)->month, 110);
}

TEST(OldCalendarTable, NumberingRejectsSolsticesNotTwelveOrThirteenLunationsApart) {
    std::vector<Lunation> lunations(12);
    lunations[0].terms.push_back({270, 0, 0});
    lunations[11].terms.push_back({270, 0, 0});
    EXPECT_THROW(NumberMonths(lunations), std::runtime_error);

    lunations.resize(14);
    lunations[11].terms.clear();
    lunations[13].terms.push_back({270, 0, 0});
    for (size_t i = 1; i < 13; ++i) lunations[i].terms.push_back({0, 0, 0});
    EXPECT_THROW(NumberMonths(lunations), std::runtime_error) << "thirteen lunations, each with a term";
}

}  // namespace
}  // namespace zenka::oldcal
