// Reading the server's time from its Date header, and the arithmetic on
// the time read.
#include "timesync/date_header.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "tests/timesync/utc_time.h"
#include "timesync/sync_reasons.h"
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

TEST(DateHeader, AMeasurementReadsOnlyOneUsualDateBetweenTheBuildDayAndACenturyLater) {
    const SystemTime builtOn = Utc(2026, 1, 5, 0, 0, 0, 0);
    const int64_t usual = ToMilliseconds(Utc(2026, 3, 1, 12, 0, 5, 0)) / 1000;
    const std::string megabytes(3 << 20, 'x');
    const struct {
        std::vector<std::string> dates;
        std::optional<int64_t> seconds;
        std::string reason;
    } cases[] = {
        {{"Sun, 01 Mar 2026 12:00:05 GMT"}, usual, ""},
        {{"Sun, 01 Mar 2026 12:00:05 UTC"}, usual, ""},
        {{"Sun, 01 Mar 2026 12:00:05 +0000"}, usual, ""},
        {{"Sun, 01 Mar 2026 12:00:05"}, usual, ""},
        {{"Mon, 05 Jan 2026 00:00:00 GMT"}, ToMilliseconds(builtOn) / 1000, ""},
        {{"Tue, 05 Jan 2126 23:59:59 GMT"}, ToMilliseconds(Utc(2126, 1, 5, 23, 59, 59, 0)) / 1000, ""},
        {{}, std::nullopt, sync_reason::kNoDate},
        {{""}, std::nullopt, sync_reason::kNoDate},
        {{" \t "}, std::nullopt, sync_reason::kNoDate},
        {{"Sun, 01 Mar 2026 12:00:05 GMT", "Sun, 01 Mar 2026 12:00:05 GMT"}, std::nullopt,
         sync_reason::kDateDuplicated},
        {{megabytes}, std::nullopt, sync_reason::kDateTooLong},
        {{"Sun, 01 Mar 2026 12:00:05 GMT" + std::string(40, ' ')}, std::nullopt, sync_reason::kDateTooLong},
        {{"soon"}, std::nullopt, sync_reason::kDateMalformed},
        {{"Sunday, 01-Mar-26 12:00:05 GMT"}, std::nullopt, sync_reason::kDateMalformed},
        {{"Sun, 01 Mar 2026 12:00:05 +0900"}, std::nullopt, sync_reason::kDateMalformed},
        {{"Sun, 01 Mar 2026 12-00-05 GMT"}, std::nullopt, sync_reason::kDateMalformed},
        {{"Sun, 01 Mar 2026 12:00:05.75 GMT"}, std::nullopt, sync_reason::kDateMalformed},
        {{"Sun, 01 Mar 2026 12:00:05 GMT, Mon, 02 Mar 2026 12:00:05 GMT"}, std::nullopt,
         sync_reason::kDateMalformed},
        {{"Sun, 31 Feb 2026 12:00:05 GMT"}, std::nullopt, sync_reason::kDateMalformed},
        {{"Sun, 01 Mar 2026 12:00:60 GMT"}, std::nullopt, sync_reason::kDateMalformed},
        {{"Wed, 31 Dec 2026 23:59:60 GMT"}, std::nullopt, sync_reason::kLeapSecond},
        {{"Mon, 01 Jan 1601 00:00:00 GMT"}, std::nullopt,
         sync_reason::DateBeforeBuild(Utc(1601, 1, 1, 0, 0, 0, 0), builtOn)},
        {{"Sun, 04 Jan 2026 23:59:59 GMT"}, std::nullopt,
         sync_reason::DateBeforeBuild(Utc(2026, 1, 4, 0, 0, 0, 0), builtOn)},
        {{"Wed, 06 Jan 2126 00:00:00 GMT"}, std::nullopt,
         sync_reason::DateFarAhead(Utc(2126, 1, 6, 0, 0, 0, 0), builtOn)},
        {{"Fri, 31 Dec 9999 23:59:59 GMT"}, std::nullopt,
         sync_reason::DateFarAhead(Utc(9999, 12, 31, 0, 0, 0, 0), builtOn)},
        {{"Thu, 31 Dec 30827 23:59:59 GMT"}, std::nullopt,
         "サーバーの日時 (30827/12/31) がこの版の作成日 (2026/01/05) の 100 年以上先でした。"},
    };
    for (const auto& c : cases) {
        const std::string what = c.dates.empty() ? "none" : c.dates[0].substr(0, 60);
        const ServerDate date = ReadServerDate(c.dates, builtOn);
        EXPECT_EQ(date.seconds, c.seconds) << what;
        EXPECT_EQ(date.reason, c.reason) << what;
    }
    EXPECT_EQ(sync_reason::DateBeforeBuild(Utc(1601, 1, 1, 0, 0, 0, 0), builtOn),
              "サーバーの日時 (1601/01/01) がこの版の作成日 (2026/01/05) より前でした。");
}

TEST(DateHeader, ServersWriteTheUsualFormAndThisVersionKnowsItsBuildDay) {
    EXPECT_EQ(HttpDateText(ToMilliseconds(Utc(1994, 11, 6, 8, 49, 37, 0)) / 1000), "Sun, 06 Nov 1994 08:49:37 GMT");
    EXPECT_EQ(HttpDateText(ToMilliseconds(Utc(2026, 3, 1, 0, 0, 0, 0)) / 1000), "Sun, 01 Mar 2026 00:00:00 GMT");
    const SystemTime built = BuildDay();
    EXPECT_TRUE(IsValidSystemTime(built));
    EXPECT_GE(built.year, 2026);
    const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    EXPECT_LE(ToMilliseconds(built), std::chrono::duration_cast<std::chrono::milliseconds>(today.time_since_epoch()).count())
        << "a build day to come would refuse every true time";
    EXPECT_EQ(ReadServerDate({HttpDateText(ToMilliseconds(built) / 1000)}, built).reason, "");
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
