// Reading the server's time from its Date header, and the arithmetic on
// the time read.
#include "timesync/date_header.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/timesync/utc_time.h"
#include "timesync/system_time.h"

namespace zenka {
namespace {

using testing::Utc;

TEST(DateHeader, MonthNamesAreTheEnglishAbbreviationsExactly) {
    const std::vector<std::string> names = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (size_t i = 0; i < names.size(); ++i) EXPECT_EQ(MonthFromName(names[i]), i + 1) << names[i];
    for (const char* other : {"nov", "NOV", "November", "No", "", " Nov", "Nov "}) {
        EXPECT_EQ(MonthFromName(other), 0) << '"' << other << '"';
    }
}

TEST(DateHeader, TokensAreRunsBetweenCommasAndControlOrBlankCharacters) {
    const struct {
        std::string header;
        std::vector<std::string> tokens;
    } cases[] = {
        {"Tue, 15 Nov 1994 08:12:31 GMT", {"Tue", "15", "Nov", "1994", "08:12:31", "GMT"}},
        {"  ,,Tue,\t15\r\nNov ,  ", {"Tue", "15", "Nov"}},
        {"\"a b\", c", {"a b", "c"}},
        {"x \"open to the end", {"x", "open to the end"}},
        {"\"\"", {""}},
        {"", {}},
        {std::string("a\0b c", 5), {std::string("a\0b", 3), "c"}},  // NUL is not a separator
    };
    for (const auto& c : cases) EXPECT_EQ(DateHeaderTokens(c.header), c.tokens) << c.header;
}

TEST(DateHeader, TheUsualFormGivesTheMiddleOfItsSecondInUtc) {
    const struct {
        const char* header;
        std::optional<SystemTime> time;
    } cases[] = {
        {"Sun, 06 Nov 1994 08:49:37 GMT", Utc(1994, 11, 6, 8, 49, 37, 500)},
        // The zone is not read: the header is always GMT.
        {"Sun, 06 Nov 1994 08:49:37 +0900", Utc(1994, 11, 6, 8, 49, 37, 500)},
        {"Wed, 31 Dec 2025 23:59:59 GMT", Utc(2025, 12, 31, 23, 59, 59, 500)},
        {"Thu, 29 Feb 2024 00:00:00 GMT", Utc(2024, 2, 29, 0, 0, 0, 500)},
        {"xxx,1 Jan 2030 12-34-56", Utc(2030, 1, 1, 12, 34, 56, 500)},  // between the pairs: anything
        {"Mon, 01 Jan 2001 01:02:03.75 GMT", Utc(2001, 1, 1, 1, 2, 3, 500)},
        {"Sun, 06 Nov 1994 08:49:37", Utc(1994, 11, 6, 8, 49, 37, 500)},  // five tokens are enough
        // Forms other than the usual one, and anything out of range, fail.
        {"Sunday, 06-Nov-94 08:49:37 GMT", std::nullopt},
        {"Sun Nov  6 08:49:37 1994", std::nullopt},
        {"Sun, 06 nov 1994 08:49:37 GMT", std::nullopt},
        {"Sun, 06 Nov 1994 8:49:37 GMT", std::nullopt},
        {"Sun, 06 Nov 1994 08:49 GMT", std::nullopt},
        {"Sun, 06 Nov 1994", std::nullopt},
        {"", std::nullopt},
        {"Sun, 31 Nov 1994 08:49:37 GMT", std::nullopt},
        {"Sun, 29 Feb 2023 08:49:37 GMT", std::nullopt},
        {"Sun, 00 Nov 1994 08:49:37 GMT", std::nullopt},
        {"Sun, 06 Nov 1994 24:00:00 GMT", std::nullopt},
        {"Sun, 06 Nov 1994 08:60:00 GMT", std::nullopt},
        {"Sun, 06 Nov 1994 08:49:60 GMT", std::nullopt},
        {"Sun, +6 Nov 1994 08:49:37 GMT", std::nullopt},
        {"Sun, 06 Nov -1994 08:49:37 GMT", std::nullopt},
        {"Sun, 06 Nov 0 08:49:37 GMT", std::nullopt},
        {"Sun, 06 Nov 10000 08:49:37 GMT", std::nullopt},
        {"Sun, 999999999999 Nov 1994 08:49:37 GMT", std::nullopt},
        {"Sun, 000000006 Nov 1994 08:49:37 GMT", Utc(1994, 11, 6, 8, 49, 37, 500)},  // nine digits at most
        {"Sun, 0000000006 Nov 1994 08:49:37 GMT", std::nullopt},
        {"Sun, 06 Nov 1994 0x:49:37 GMT", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(EvaluateDateHeader(c.header), c.time) << c.header;
}

TEST(SystemTimes, TenthsOfASecondMoveTheTimeExactlyAcrossEveryBoundary) {
    const SystemTime base = Utc(1994, 11, 6, 8, 49, 37, 500);
    const struct {
        SystemTime from;
        int32_t tenths;
        SystemTime to;
    } cases[] = {
        {base, 0, base},
        {base, -15, Utc(1994, 11, 6, 8, 49, 36, 0)},
        {base, 25, Utc(1994, 11, 6, 8, 49, 40, 0)},
        {Utc(1999, 12, 31, 23, 59, 59, 500), 5, Utc(2000, 1, 1, 0, 0, 0, 0)},
        {Utc(2024, 3, 1, 0, 0, 0, 300), -4, Utc(2024, 2, 29, 23, 59, 59, 900)},
        {Utc(2100, 3, 1, 0, 0, 0, 0), -1, Utc(2100, 2, 28, 23, 59, 59, 900)},
        {base, 36000, Utc(1994, 11, 6, 9, 49, 37, 500)},
        {base, 2147483647, AddMilliseconds(base, int64_t{2147483647} * 100)},
    };
    for (const auto& c : cases) {
        const SystemTime moved = AddTenthsOfSecond(c.from, c.tenths);
        EXPECT_EQ(moved, c.to) << FormatSystemTime(c.from) << " + " << c.tenths << " gives "
                               << FormatSystemTime(moved);
    }
    // The weekday follows the date: 1994-11-06 was a Sunday, 2000-01-01 a
    // Saturday.
    EXPECT_EQ(base.dayOfWeek, 0);
    EXPECT_EQ(AddTenthsOfSecond(Utc(1999, 12, 31, 23, 59, 59, 500), 5).dayOfWeek, 6);
    EXPECT_EQ(FormatSystemTime(base), "1994-11-06T08:49:37.500Z");
}

}  // namespace
}  // namespace zenka
