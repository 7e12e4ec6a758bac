#include "calendar/old_calendar.h"

#include <gtest/gtest.h>

#include <string>

#include "calendar/julius.h"

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

TEST(OldCalendar, EmbeddedTableFollowsFromTheMonthLengths) {
    const std::string_view table = JdOldCalText();
    EXPECT_EQ(table.size(), 2939u);
    EXPECT_EQ(std::string(table), TableFromMonthLengths());
    EXPECT_EQ(table.substr(0, 12), "2447889,12\r\n");
    EXPECT_EQ(table.substr(table.size() - 12), "2455537,11\r\n");
}

TEST(OldCalendar, LooksUpOldMonthAndDay) {
    EXPECT_EQ(OldCalendarLookup(2447888), (OldDate{0, 0})) << "1989-12-27 is before the table";
    EXPECT_EQ(OldCalendarLookup(DateToJulius(1989, 12, 28)), (OldDate{12, 1}));
    EXPECT_EQ(OldCalendarLookup(DateToJulius(2006, 1, 1)), (OldDate{12, 2}));
    EXPECT_EQ(OldCalendarLookup(DateToJulius(2006, 1, 29)), (OldDate{1, 1}));
    EXPECT_EQ(OldCalendarLookup(DateToJulius(2006, 8, 24)), (OldDate{107, 1}));
    EXPECT_EQ(OldCalendarLookup(DateToJulius(2006, 9, 22)), (OldDate{8, 1}));
    EXPECT_EQ(OldCalendarLookup(DateToJulius(2006, 12, 7)), (OldDate{10, 17}));
    EXPECT_EQ(OldCalendarLookup(2455536), (OldDate{10, 30})) << "2010-12-05, the last covered day";
    EXPECT_EQ(OldCalendarLookup(2455537), (OldDate{0, 0})) << "the closing line's own day";
}

TEST(OldCalendar, RokuyoFollowsOldMonthAndDay) {
    const auto rokuyo = [](int32_t y, uint8_t m, uint8_t d) { return RokuyoNames(RokuyoIndex(DateToJulius(y, m, d))); };
    EXPECT_EQ(RokuyoIndex(2447888), 0);
    EXPECT_EQ(rokuyo(1989, 12, 28), "赤口");
    EXPECT_EQ(rokuyo(2006, 1, 1), "先勝");
    EXPECT_EQ(rokuyo(2006, 1, 29), "先勝");
    EXPECT_EQ(rokuyo(2006, 8, 24), "先勝") << "a leap month counts as the month it repeats";
    EXPECT_EQ(rokuyo(2006, 9, 22), "友引");
    EXPECT_EQ(rokuyo(2006, 12, 7), "友引");
    EXPECT_EQ(rokuyo(2010, 12, 5), "先負");
    EXPECT_EQ(RokuyoIndex(2455537), 0);
    EXPECT_EQ(RokuyoNames(0), "不明");
    EXPECT_EQ(RokuyoNames(7), "");
}

}  // namespace
}  // namespace zenka
