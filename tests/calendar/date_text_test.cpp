#include "calendar/date_text.h"

#include <gtest/gtest.h>

#include <string>

#include "calendar/julius.h"

namespace zenka {
namespace {

TEST(DateText, ReadsDatesOfTheSupportedRange) {
    const struct {
        const char* text;
        int32_t julius;
    } dates[] = {
        {"2000-01-01", 2451545}, {"-4712-01-01", 0},      {"9999-12-31", 5373484}, {"0000-03-01", 1721118},
        {"1582-10-04", 2299160}, {"1582-10-15", 2299161}, {"2006-1-9", 2453745},   {"-0043-03-15", 1705426},
    };
    for (const auto& date : dates) EXPECT_EQ(ParseDateText(date.text), date.julius) << date.text;
}

TEST(DateText, RefusesWhatIsNoDateOfTheRangeAndSaysWhy) {
    const struct {
        const char* text;
        const char* message;
    } refused[] = {
        {"", "日付は YYYY-MM-DD で指定してください: "},
        {"2006", "日付は YYYY-MM-DD で指定してください: 2006"},
        {"2006-01", "日付は YYYY-MM-DD で指定してください: 2006-01"},
        {"-2006-01", "日付は YYYY-MM-DD で指定してください: -2006-01"},
        {"2006-01-01x", "日付は YYYY-MM-DD で指定してください: 2006-01-01x"},
        {"2006--01-01", "日付は YYYY-MM-DD で指定してください: 2006--01-01"},
        {"2006-+1-01", "日付は YYYY-MM-DD で指定してください: 2006-+1-01"},
        {"+2006-01-01", "日付は YYYY-MM-DD で指定してください: +2006-01-01"},
        {"99999999999-01-01", "日付は YYYY-MM-DD で指定してください: 99999999999-01-01"},
        {"2006-02-30", "存在しない日付です: 2006-02-30"},
        {"2006-13-01", "存在しない日付です: 2006-13-01"},
        {"2006-01-00", "存在しない日付です: 2006-01-00"},
        {"2006-256-01", "存在しない日付です: 2006-256-01"},
        {"10000-01-01", "日付は -4712-01-01 (紀元前4713年1月1日) から 9999-12-31 までです: 10000-01-01"},
        {"-4713-12-31", "日付は -4712-01-01 (紀元前4713年1月1日) から 9999-12-31 までです: -4713-12-31"},
        {"2147483647-01-01", "日付は -4712-01-01 (紀元前4713年1月1日) から 9999-12-31 までです: 2147483647-01-01"},
    };
    for (const auto& r : refused) {
        try {
            ParseDateText(r.text);
            ADD_FAILURE() << r.text << " was taken for a date";
        } catch (const EDateTextError& e) {
            EXPECT_EQ(std::string(e.what()), r.message);
        }
    }
    EXPECT_THROW(ParseDateText("1582-10-10"), EJuliusError);
}

}  // namespace
}  // namespace zenka
