#include "calendar/old_calendar.h"

#include <gtest/gtest.h>

#include <charconv>
#include <string>
#include <vector>

#include "calendar/julius.h"
#include "tests/calendar/first_old_calendar_table.h"

namespace zenka {
namespace {

// Old-calendar years from 1990, each as its month lengths (L 30 days, S 29)
// with the leap month in its place, and the leap month's number.
struct OldYear {
    const char* lengths;
    int leapMonth;
};
constexpr OldYear kOldYears[] = {
    {"SLSSLSSLLSLLL", 105}, {"SLSSLSSLSLLL", 0},     {"SLLSSLSSLSLL", 0},  {"SLLSLSLSSLSLS", 103},
    {"LLLSLSLSSLSL", 0},    {"SLLSLLSLSLSSL", 108},  {"SLSLLSLSLLSL", 0},  {"SSLSLSLLSLLS", 0},
    {"LSSLSSLLSLLLS", 105}, {"LSSLSSLSLLLS", 0},     {"LLSSLSSLSLLS", 0},  {"LLLSSLSSLSLSL", 104},
    {"LLSLSLSSLSLS", 0},    {"LLSLLSLSSLSL", 0},     {"SLSLLSLSLSLSL", 102}, {"SLSLSLLSLLSS", 0},
    {"LSLSLSLSLLSLL", 107}, {"SSLSSLSLLLSL", 0},     {"LSSLSSLSLLSL", 0},  {"LLSSLSSLSLSLL", 105},
    {"LSLSLSSLSL", 0},
};

std::string TableFromMonthLengths() {
    int32_t jd = 2447889;
    std::string text = std::to_string(jd) + ",12\r\n";
    jd += 30;
    for (const OldYear& year : kOldYears) {
        int month = 1;
        for (const char* p = year.lengths; *p; ++p) {
            text += std::to_string(jd) + "," + std::to_string(month) + "\r\n";
            jd += *p == 'L' ? 30 : 29;
            if (month == year.leapMonth - 100) {
                month += 100;
            } else {
                month = month > 100 ? month - 99 : month + 1;
            }
        }
    }
    return text + std::to_string(jd) + ",11\r\n";
}

TEST(OldCalendar, FirstTableFollowsFromTheMonthLengths) {
    const std::string_view table = FirstOldCalendarTable();
    EXPECT_EQ(table.size(), 2939u);
    EXPECT_EQ(std::string(table), TableFromMonthLengths());
}

TEST(OldCalendar, EmbeddedTableSpansTwoCenturiesAndHoldsTheFirstTable) {
    const std::string_view table = JdOldCalText();
    EXPECT_EQ(table.substr(0, 12), "2415021,12\r\n") << "the month holding 1900-01-01 begins on it";
    EXPECT_EQ(table.substr(table.size() - 11), "2488463,1\r\n") << "2101-01-29 closes the month holding 2100-12-31";
    const size_t at = table.find(FirstOldCalendarTable());
    ASSERT_NE(at, std::string_view::npos) << "the 260 lines of the first table appear unchanged";
    EXPECT_TRUE(at == 0 || table[at - 1] == '\n');
}

// The lookup as first written: scan the lines until one begins after the day.
OldDate LinearLookup(const std::vector<std::pair<int32_t, uint8_t>>& rows, int32_t j) {
    if (rows.empty() || j < rows.front().first || j >= rows.back().first) return {};
    for (size_t i = 1; i < rows.size(); ++i) {
        if (j < rows[i].first) return {rows[i - 1].second, static_cast<uint8_t>(j - rows[i - 1].first + 1)};
    }
    return {};
}

std::vector<std::pair<int32_t, uint8_t>> Rows(std::string_view text) {
    std::vector<std::pair<int32_t, uint8_t>> rows;
    while (!text.empty()) {
        const size_t end = text.find("\r\n");
        const std::string_view line = text.substr(0, end);
        const size_t comma = line.find(',');
        int32_t j = 0;
        int month = 0;
        std::from_chars(line.data(), line.data() + comma, j);
        std::from_chars(line.data() + comma + 1, line.data() + line.size(), month);
        rows.emplace_back(j, static_cast<uint8_t>(month));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 2);
    }
    return rows;
}

TEST(OldCalendar, BisectionAndTheWalkAnswerAsALinearScanOnEveryDay) {
    const auto rows = Rows(JdOldCalText());
    ASSERT_EQ(rows.size(), 2488u);
    OldCalendarWalk walk(rows.front().first - 2);
    for (int32_t j = rows.front().first - 2; j <= rows.back().first + 2; ++j, walk.Next()) {
        ASSERT_EQ(OldCalendarLookup(j), LinearLookup(rows, j)) << "Julius day " << j;
        ASSERT_EQ(walk.Date(), LinearLookup(rows, j)) << "Julius day " << j << ", walked";
    }
    // Inside the first table's range, the wider table answers as it did.
    const auto first = Rows(FirstOldCalendarTable());
    for (int32_t j = first.front().first; j < first.back().first; ++j) {
        ASSERT_EQ(OldCalendarLookup(j), LinearLookup(first, j)) << "Julius day " << j;
    }
}

TEST(OldCalendar, LooksUpOldMonthAndDay) {
    EXPECT_EQ(OldCalendarLookup(2415020), (OldDate{0, 0})) << "1899-12-31 is before the table";
    EXPECT_EQ(OldCalendarLookup(DateToJulius(1900, 1, 1)), (OldDate{12, 1}));
    EXPECT_EQ(OldCalendarLookup(DateToJulius(1989, 12, 27)), (OldDate{11, 30}));
    EXPECT_EQ(OldCalendarLookup(DateToJulius(1989, 12, 28)), (OldDate{12, 1}));
    EXPECT_EQ(OldCalendarLookup(DateToJulius(2006, 1, 1)), (OldDate{12, 2}));
    EXPECT_EQ(OldCalendarLookup(DateToJulius(2006, 1, 29)), (OldDate{1, 1}));
    EXPECT_EQ(OldCalendarLookup(DateToJulius(2006, 8, 24)), (OldDate{107, 1}));
    EXPECT_EQ(OldCalendarLookup(DateToJulius(2006, 9, 22)), (OldDate{8, 1}));
    EXPECT_EQ(OldCalendarLookup(DateToJulius(2006, 12, 7)), (OldDate{10, 17}));
    EXPECT_EQ(OldCalendarLookup(2455536), (OldDate{10, 30})) << "2010-12-05";
    EXPECT_EQ(OldCalendarLookup(2455537), (OldDate{11, 1})) << "2010-12-06, where the first table stopped";
    EXPECT_EQ(OldCalendarLookup(DateToJulius(2026, 2, 17)), (OldDate{1, 1})) << "old new year 2026";
    EXPECT_EQ(OldCalendarLookup(DateToJulius(2033, 12, 22)), (OldDate{111, 1}));
    EXPECT_NE(OldCalendarLookup(DateToJulius(2100, 12, 31)).month, 0) << "the last day covered";
    EXPECT_EQ(OldCalendarLookup(DateToJulius(2101, 1, 29)), (OldDate{0, 0})) << "the closing line's own day";
}

TEST(OldCalendar, RokuyoFollowsOldMonthAndDay) {
    const auto rokuyo = [](int32_t y, uint8_t m, uint8_t d) { return RokuyoNames(RokuyoIndex(DateToJulius(y, m, d))); };
    EXPECT_EQ(RokuyoIndex(2415020), 0);
    EXPECT_EQ(rokuyo(1989, 12, 28), "赤口");
    EXPECT_EQ(rokuyo(2006, 1, 1), "先勝");
    EXPECT_EQ(rokuyo(2006, 1, 29), "先勝");
    EXPECT_EQ(rokuyo(2006, 8, 24), "先勝") << "a leap month counts as the month it repeats";
    EXPECT_EQ(rokuyo(2006, 9, 22), "友引");
    EXPECT_EQ(rokuyo(2006, 12, 7), "友引");
    EXPECT_EQ(rokuyo(2010, 12, 5), "先負");
    EXPECT_EQ(rokuyo(2010, 12, 6), "大安");
    EXPECT_EQ(rokuyo(2026, 2, 17), "先勝");
    EXPECT_EQ(RokuyoIndex(DateToJulius(2101, 1, 29)), 0);
    EXPECT_EQ(RokuyoNames(0), "不明");
    EXPECT_EQ(RokuyoNames(7), "");
}

}  // namespace
}  // namespace zenka
