#include "calendar/day_rule.h"

#include <gtest/gtest.h>

namespace zenka {
namespace {

struct Resolved {
    int month, day;
    std::string name;
    bool operator==(const Resolved&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Resolved& r) {
    return os << r.month << "/" << r.day << " " << r.name;
}

Resolved Resolve(std::string_view line, int32_t year, uint8_t month) {
    const DayRuleResolution r = ParseDayRule(line, year, month);
    return {r.month, r.day, r.name};
}

bool Matches(std::string_view line, int32_t y, uint8_t m, uint8_t d) { return DayRule(line).Matches(y, m, d); }

// Which texts are numbers is ParseDecimal's rule; StrToInt raises for the rest.
TEST(StrToInt, RaisesAConversionErrorNamingTextThatIsNoNumber) {
    EXPECT_EQ(StrToInt("-12"), -12);
    for (const char* bad : {"", " 1", "$10", "+-1", "2147483648"}) {
        EXPECT_THROW(StrToInt(bad), EConvertError) << '"' << bad << '"';
    }
    try {
        StrToInt("x");
    } catch (const EConvertError& e) {
        EXPECT_NE(std::string(e.what()).find("'x'"), std::string::npos) << "the message names the text";
    }
}

TEST(SplitFields, CutsAtEveryComma) {
    EXPECT_EQ(SplitFields(""), (std::vector<std::string_view>{""}));
    EXPECT_EQ(SplitFields("12,25,"), (std::vector<std::string_view>{"12", "25", ""}));
    EXPECT_EQ(SplitFields("a,,b"), (std::vector<std::string_view>{"a", "", "b"}));
    EXPECT_EQ(SplitFields("1,1,元旦"), (std::vector<std::string_view>{"1", "1", "元旦"}));
}

TEST(ParseDayRule, FixedDays) {
    EXPECT_EQ(Resolve("1,1,元旦", 2006, 1), (Resolved{1, 1, "元旦"}));
    EXPECT_EQ(Resolve("1,1,元旦", 2006, 2), (Resolved{13, 32, ""}));
    EXPECT_EQ(Resolve("7,20,海の日", 2006, 0), (Resolved{7, 20, "海の日"})) << "month 0 asks about any month";
    EXPECT_EQ(Resolve("12,25,", 2006, 12), (Resolved{12, 25, ""})) << "an empty name is a name";
    for (uint8_t d = 1; d <= 28; ++d) EXPECT_FALSE(Matches("2,30,X", 2006, 2, d)) << "30 February is no date";
    EXPECT_TRUE(Matches("1,257,X", 2006, 1, 1)) << "days keep their low 8 bits";
}

TEST(ParseDayRule, NthWeekdays) {
    EXPECT_EQ(Resolve("2003,2,7,3,2,海の日", 2006, 7), (Resolved{7, 17, "海の日"}));
    EXPECT_EQ(Resolve("2003,2,7,3,2,海の日", 2002, 7), (Resolved{13, 32, ""}));
    EXPECT_EQ(Resolve("1,2,2,X", 2006, 1).day, 9);
    EXPECT_EQ(Resolve("1,5,2,X", 2008, 1).day, 35) << "January 2008 has four Mondays";
    EXPECT_EQ(Resolve("1,5,2,X", 2007, 1).day, 29);
    EXPECT_EQ(Resolve("1,1,0,X", 2006, 1).day, 7) << "weekday 0 acts as Saturday";
    EXPECT_EQ(Resolve("1,1,8,X", 2006, 1).day, 1) << "weekday 8 acts as Sunday";
    EXPECT_FALSE(Matches("1,0,1,X", 2006, 1, 1)) << "the zeroth Sunday is no date";
}

TEST(ParseDayRule, YearLimits) {
    EXPECT_TRUE(Matches("1999,1,1,15,成人の日", 1999, 1, 15));
    EXPECT_TRUE(Matches("1999,1,1,15,成人の日", 1980, 1, 15));
    EXPECT_FALSE(Matches("1999,1,1,15,成人の日", 2000, 1, 15));
    EXPECT_TRUE(Matches("2000,2,1,2,2,成人の日", 2000, 1, 10));
    EXPECT_TRUE(Matches("2000,2,1,2,2,成人の日", 2006, 1, 9));
    for (uint8_t d = 1; d <= 31; ++d) EXPECT_FALSE(Matches("2000,2,1,2,2,成人の日", 1999, 1, d));
    EXPECT_TRUE(Matches("2006,0,3,21,X", 2006, 3, 21));
    EXPECT_FALSE(Matches("2006,0,3,21,X", 2007, 3, 21));
    EXPECT_TRUE(Matches("2006,5,3,21,X", 1900, 3, 21)) << "an unknown mode sets no limit";
}

TEST(ParseDayRule, WrongFieldCountsNeverMatchNorRaise) {
    for (const char* line : {"12,25", "", "1,2,3,4,5,6,7", "x,y", "a,b,c,d,e,f,g"}) {
        EXPECT_EQ(Resolve(line, 2006, 12), (Resolved{13, 32, ""})) << line;
        EXPECT_EQ(Resolve(line, 2006, 0), (Resolved{13, 32, ""})) << line;
    }
}

TEST(ParseDayRule, MalformedFieldsRaiseOnlyWhenRead) {
    EXPECT_THROW(Resolve("1,x,A", 2006, 1), EConvertError);
    EXPECT_NO_THROW(Resolve("1,x,A", 2006, 2)) << "the day is never read for another month";
    EXPECT_THROW(Resolve("1,1,Name,Extra", 2006, 1), EConvertError) << "the weekday field reads 'Name'";
    EXPECT_THROW(Resolve("x,1,A", 2006, 2), EConvertError) << "the month is always read";
    EXPECT_NO_THROW(Resolve("y,5,3,21,A", 2006, 3)) << "the year is not read for mode 5";
    EXPECT_THROW(Resolve("y,0,3,21,A", 2006, 3), EConvertError);
    EXPECT_NO_THROW(Resolve("y,0,4,21,A", 2006, 3)) << "the year is read only after the month matched";
    EXPECT_THROW(Resolve("2006,m,3,21,A", 2006, 3), EConvertError);
}

TEST(DayRule, ReportsTheFieldThatWouldFail) {
    EXPECT_EQ(DayRule("1,1,元旦").FirstBadField(), std::nullopt);
    EXPECT_EQ(DayRule("12,25").FirstBadField(), std::nullopt);
    EXPECT_EQ(DayRule("1,x,A").FirstBadField(), "x");
    EXPECT_EQ(DayRule("1,1,Name,Extra").FirstBadField(), "Name");
    EXPECT_EQ(DayRule("y,5,3,21,A").FirstBadField(), std::nullopt);
    EXPECT_EQ(DayRule("y,1,3,21,A").FirstBadField(), "y");
    EXPECT_EQ(DayRule("2006,1,3,n,2,A").FirstBadField(), "n");
}

}  // namespace
}  // namespace zenka
