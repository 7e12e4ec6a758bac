#include "cli/cal_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>

#include "calendar/default_holidays.h"
#include "calendar/old_calendar.h"
#include "calendar/julius.h"
#include "calendar/sekki.h"
#include "tests/support/scratch_folder.h"

namespace zenka::cli {
namespace {

DayRuleSet DefaultRules() {
    DayRuleSet rules;
    rules.HolidayList.Assign(DefaultHolidayLines());
    return rules;
}

TEST(CalArguments, YearMonthAndOptions) {
    const CalOptions o = ParseArguments({"--monday", "--rokuyo", "2006", "8", "--no-equinox", "--no-color"});
    EXPECT_EQ(o.year, 2006);
    EXPECT_EQ(o.month, 8);
    EXPECT_TRUE(o.mondayFirst);
    EXPECT_TRUE(o.rokuyo);
    EXPECT_FALSE(o.equinox);
    EXPECT_FALSE(o.color);
    const CalOptions files = ParseArguments({"--holidays", "h.txt", "--special", "s.txt", "--schedule", "y.txt"});
    EXPECT_EQ(files.holidaysFile, "h.txt");
    EXPECT_EQ(files.specialFile, "s.txt");
    EXPECT_EQ(files.scheduleFile, "y.txt");
    EXPECT_EQ(ParseArguments({"-44", "3"}).year, -44) << "a negative year is a year, not an option";
}

TEST(CalArguments, RefusesWhatItCannotUse) {
    EXPECT_THROW(ParseArguments({"2006", "13"}), UsageError);
    EXPECT_THROW(ParseArguments({"2006", "x"}), UsageError);
    EXPECT_THROW(ParseArguments({"1", "2", "3"}), UsageError);
    EXPECT_THROW(ParseArguments({"--bogus"}), UsageError);
    EXPECT_THROW(ParseArguments({"--holidays"}), UsageError);
    EXPECT_THROW(ParseArguments({"--tsv", "2006-01-02", "2006-01-01"}), UsageError);
    EXPECT_THROW(ParseArguments({"--tsv", "2006-02-30", "2006-03-01"}), UsageError);
    try {
        ParseArguments({"--tsv", "1582-10-05", "1582-10-20"});
        FAIL() << "a date in the gap was accepted";
    } catch (const EJuliusError& e) {
        EXPECT_STREQ(e.what(), "1582/10/5-10/14は存在しません。");
    }
    // Years outside the supported range, which the weekday and day number
    // arithmetic cannot follow.
    for (const char* year : {"-5000", "-4713", "10000", "6000000", "2147483647", "-2147483648"}) {
        try {
            ParseArguments({year, "1"});
            ADD_FAILURE() << "year " << year << " was accepted";
        } catch (const UsageError& e) {
            EXPECT_EQ(std::string(e.what()),
                      std::string("日付は -4712-01-01 (紀元前4713年1月1日) から 9999-12-31 までです: ") + year + "年");
        }
    }
    EXPECT_THROW(ParseArguments({"--tsv", "9999-12-31", "10000-01-01"}), UsageError);
    EXPECT_EQ(ParseArguments({"-4712", "1"}).year, -4712);
    EXPECT_EQ(ParseArguments({"9999", "12"}).year, 9999);
    const CalOptions tsv = ParseArguments({"--tsv", "2006-01-01", "2006-01-31"});
    ASSERT_TRUE(tsv.tsv);
    EXPECT_EQ(tsv.tsv->to - tsv.tsv->from, 30);
}

TEST(CalListFiles, NamesTheMalformedLine) {
    DayList list(DayListKind::Special, {"2,14,ok", "3,x,壊れた行"});
    try {
        CheckListLines(list, "special.txt");
        FAIL() << "the malformed line passed";
    } catch (const UsageError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("特別日リスト special.txt の 2 行目"), std::string::npos) << message;
        EXPECT_NE(message.find("'x'"), std::string::npos) << message;
    }
    EXPECT_NO_THROW(CheckListLines(DayList(DayListKind::Holiday, DefaultHolidayLines()), "default"));
}

TEST(CalListFiles, AFolderOrAFileThatCannotBeReadIsRefused) {
    const zenka::testing::ScratchFolder folder("cal-files");
    const std::string list = zenka::testing::Utf8(folder.Path() / "list.txt");
    { std::ofstream(folder.Path() / "list.txt", std::ios::binary) << "2,14,x\r\n"; }
    EXPECT_EQ(ReadListFileBytes(list), "2,14,x\r\n");
    const std::pair<std::string, std::string> refused[] = {
        {zenka::testing::Utf8(folder.Path()), "フォルダはリストファイルとして読めません: "},
        {zenka::testing::Utf8(folder.Path() / "無い.txt"), "ファイルを読めません: "},
    };
    for (const auto& [path, message] : refused) {
        try {
            ReadListFileBytes(path);
            ADD_FAILURE() << path << " was read";
        } catch (const UsageError& e) {
            EXPECT_EQ(std::string(e.what()), message + path);
        }
    }
}

TEST(CalListFiles, ControlCharactersAreWrittenAsBlanksInEveryOutput) {
    // An escape sequence that would retitle and clear a terminal, C1's CSI,
    // DEL and a tab in the names of a day.
    DayRuleSet rules = DefaultRules();
    rules.SpecialDayList.Assign({"2,14,\x1b]0;owned\x07\x1b[2Jx", "2,14,a\xc2\x9b" "2Jb\x7f\tc"});
    const std::string month = RenderMonth(rules, 2006, 2, CalOptions{}, false);
    const std::string tsv = RenderTsv(rules, DateToJulius(2006, 2, 14), DateToJulius(2006, 2, 14));
    for (const std::string& text : {month, tsv}) {
        EXPECT_EQ(std::count_if(text.begin(), text.end(),
                                [](char c) { return (static_cast<unsigned char>(c) < 0x20 && c != '\n' && c != '\t') || c == 0x7f; }),
                  0)
            << text;
        EXPECT_EQ(text.find("\xc2\x9b"), std::string::npos) << text;
    }
    const std::string names = "\" ]0;owned  [2Jx\",\"a 2Jb  c\"";
    EXPECT_NE(month.find("14(火)" + names + "\n"), std::string::npos) << month;
    EXPECT_NE(tsv.find("\t" + names + "\t"), std::string::npos) << tsv;
}

TEST(CalMonth, January2006) {
    const std::string text = RenderMonth(DefaultRules(), 2006, 1, CalOptions{}, false);
    EXPECT_EQ(text.substr(0, text.find("\n 8")),
              "平成18年1月\n"
              "日 月 火 水 木 金 土\n"
              " 1  2  3  4  5  6  7");
    EXPECT_NE(text.find("\n 1(日)元日\n"), std::string::npos);
    EXPECT_NE(text.find("\n 2(月)振替休日\n"), std::string::npos);
    EXPECT_NE(text.find("\n 9(月)成人の日\n"), std::string::npos);
    EXPECT_NE(text.find("\n31(火)\n"), std::string::npos);
}

// A month's caption names each era that is in force on one of its days.
TEST(CalMonth, TheCaptionNamesTheErasOfTheMonth) {
    const auto caption = [](int32_t year, uint8_t month) {
        const std::string text = RenderMonth(DefaultRules(), year, month, CalOptions{}, false);
        return text.substr(0, text.find('\n'));
    };
    EXPECT_EQ(caption(1988, 12), "昭和63年12月");
    EXPECT_EQ(caption(1989, 1), "昭和64年・平成元年1月");
    EXPECT_EQ(caption(2019, 4), "平成31年4月");
    EXPECT_EQ(caption(2019, 5), "令和元年5月");
}

TEST(CalMonth, MondayFirstRokuyoAndColour) {
    CalOptions options;
    options.mondayFirst = true;
    options.rokuyo = true;
    const std::string text = RenderMonth(DefaultRules(), 2006, 8, options, true);
    EXPECT_NE(text.find("月 火 水 木 金 土 日\n"), std::string::npos);
    EXPECT_NE(text.find("\n    1  2  3  4 \x1b[34m 5\x1b[0m \x1b[31m 6\x1b[0m\n"), std::string::npos)
        << "1 August 2006 is a Tuesday\n" << text;
    EXPECT_NE(text.find("24(木)先勝"), std::string::npos);
    EXPECT_NE(text.find("\x1b[31m 6(日)"), std::string::npos) << "Sundays are red";
    EXPECT_NE(text.find("\x1b[34m 5(土)"), std::string::npos) << "Saturdays are blue";
}

TEST(CalMonth, September2026HasThreeHolidaysInARow) {
    const std::string text = RenderMonth(DefaultRules(), 2026, 9, CalOptions{}, true);
    EXPECT_NE(text.find("\n\x1b[31m20\x1b[0m \x1b[31m21\x1b[0m \x1b[31m22\x1b[0m \x1b[31m23\x1b[0m 24 25 "),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\x1b[31m21(月)敬老の日\x1b[0m\n"
                        "\x1b[31m22(火)国民の休日\x1b[0m\n"
                        "\x1b[31m23(水)秋分の日\x1b[0m\n"),
              std::string::npos)
        << text;
}

TEST(CalMonth, October1582SkipsTheDroppedDays) {
    const std::string text = RenderMonth(DefaultRules(), 1582, 10, CalOptions{}, false);
    EXPECT_NE(text.find(" 4(木)\n15(金)\n"), std::string::npos) << text;
}

TEST(CalTsv, OneRecordPerDay) {
    const int32_t from = DateToJulius(2006, 1, 1);
    const std::string text = RenderTsv(DefaultRules(), from, from + 1);
    EXPECT_EQ(text, "2006-01-01\t1\t5\t4\t12\t2\t1\t元日\t\n2006-01-02\t2\t8\t4\t12\t3\t2\t振替休日\t\n");
}

TEST(CalSekki, DayLinesAndTheNinthColumnNameTheSolarTermsAndZassetsu) {
    CalOptions options;
    options.sekki = ParseArguments({"--sekki"}).sekki;
    ASSERT_TRUE(options.sekki);
    EXPECT_NE(UsageText().find("--sekki"), std::string::npos);
    const std::string march = RenderMonth(DefaultRules(), 2026, 3, options, false);
    for (const char* line : {"\n 5(木)啓蟄\n", "\n15(日)社日\n", "\n17(火)彼岸入り\n", "\n20(金)春分 春分の日\n",
                             "\n23(月)彼岸明け\n", "\n24(火)\n"}) {
        EXPECT_NE(march.find(line), std::string::npos) << line << march;
    }
    EXPECT_EQ(RenderMonth(DefaultRules(), 2026, 3, CalOptions{}, false).find("啓蟄"), std::string::npos)
        << "only when asked for";
    EXPECT_NE(RenderMonth(DefaultRules(), 2026, 7, options, false).find("\n26(日)土用の丑の日\n"), std::string::npos);
    EXPECT_EQ(RenderMonth(DefaultRules(), 1899, 12, options, false).find("冬至"), std::string::npos)
        << "none before 1900";

    // The ninth column, comma-joined; the eight before it are checked
    // against the definitions below.
    const auto ninthColumns = [](int32_t y, uint8_t m, uint8_t d, int days) {
        const int32_t from = DateToJulius(y, m, d);
        const std::string text = RenderTsv(DefaultRules(), from, from + days - 1);
        std::string columns;
        for (size_t end = text.find('\n'), start = 0; end != std::string::npos;
             start = end + 1, end = text.find('\n', start)) {
            const std::string line = text.substr(start, end - start);
            EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 8) << line;
            columns += line.substr(line.rfind('\t') + 1) + "|";
        }
        return columns;
    };
    EXPECT_EQ(ninthColumns(2026, 2, 2, 3), "|節分|立春|");
    EXPECT_EQ(ninthColumns(2026, 1, 17, 1), "土用の入り|");
    EXPECT_EQ(ninthColumns(1899, 12, 31, 2), "||");
}

std::string ReferenceSekki(int32_t julius) {
    std::string names;
    for (const SekkiMark& mark : SekkiMarksOf(julius)) names += (names.empty() ? "" : ",") + std::string(mark.name);
    return names;
}

// The record of one day from the definitions: each date converted from its
// day number, each question asked on its own.
std::string ReferenceRecord(const DayRuleSet& rules, int32_t julius) {
    const CivilDate date = JuliusToDate(julius);
    char text[32];
    std::snprintf(text, sizeof text, "%s%04d-%02d-%02d", date.year < 0 ? "-" : "", std::abs(date.year), date.month,
                  date.day);
    const uint8_t flags = GetDayAttributes(rules, date.year, date.month, date.day);
    const OldDate old = OldCalendarLookup(julius);
    std::string names = GetDayNames(rules, date.year, date.month, date.day);
    for (char& c : names) {
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    }
    return std::string(text) + "\t" + std::to_string(JuliusDayOfWeek(julius)) + "\t" + std::to_string(flags) +
           "\t" + std::to_string(GetDayFont(rules, date.year, date.month, date.day)) + "\t" +
           std::to_string(old.month) + "\t" + std::to_string(old.day) + "\t" +
           std::to_string(RokuyoIndex(julius)) + "\t" + names + "\t" + ReferenceSekki(julius) + "\n";
}

TEST(CalTsv, TheWalkWritesWhatTheDefinitionsGiveDayByDay) {
    DayRuleSet rules = DefaultRules();
    rules.SpecialDayList.Assign({"2,14,バレンタイン デー", "5,2,1,母の日", "2026,0,7,7,七夕の\"集い\"",
                                 "1999,1,12,24,イブ\tタブ", "2000,2,3,5,6,第5金曜", "1,1,", "2006,7,5,5,any year"});
    rules.YoteiDayList.Assign({"3,21,予定", "9,23,秋", "1582,0,10,4,改暦前", "1582,0,10,15,改暦後"});
    // Two centuries with every rule the holiday law added, the reform, and
    // the ends of the supported range; the equinoxes on and off.
    const struct {
        bool equinox;
        const char* from;
        const char* to;
    } ranges[] = {{true, "1900-01-01", "2100-12-31"}, {false, "1970-01-01", "2030-12-31"},
                  {true, "1580-01-01", "1584-12-31"}, {true, "-4712-01-01", "-4711-03-01"},
                  {false, "9998-11-01", "9999-12-31"}};
    for (const auto& [equinox, from, to] : ranges) {
        rules.AutoEquinox = equinox;
        const int32_t first = ParseArguments({"--tsv", from, to}).tsv->from;
        const int32_t last = ParseArguments({"--tsv", from, to}).tsv->to;
        std::string expected;
        for (int32_t j = first; j <= last; ++j) expected += ReferenceRecord(rules, j);
        const std::string written = RenderTsv(rules, first, last);
        if (written != expected) {
            size_t at = 0;
            while (at < written.size() && at < expected.size() && written[at] == expected[at]) ++at;
            const size_t line = expected.rfind('\n', at) + 1;
            FAIL() << from << " to " << to << ", first difference in the record\n"
                   << expected.substr(line, expected.find('\n', line) - line) << "\nwritten as\n"
                   << written.substr(line, written.find('\n', line) - line);
        }
    }
}

}  // namespace
}  // namespace zenka::cli
