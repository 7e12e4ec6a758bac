#include "calendar/sekki.h"

#include <gtest/gtest.h>

#include <string>

#include "calendar/julius.h"
#include "calendar/sexagenary.h"

namespace zenka {
namespace {

// The day's marks as the calendar would list them, "" for none.
std::string MarksOf(int32_t year, uint8_t month, uint8_t day) {
    std::string text;
    for (const SekkiMark& mark : SekkiMarksOf(DateToJulius(year, month, day))) {
        if (!text.empty()) text += ",";
        text += std::string(mark.name) + (mark.solarTerm ? "*" : "");
    }
    return text;
}

struct Expected {
    int32_t year;
    uint8_t month, day;
    const char* marks;  // a solar term carries a *
};

// The published dates of 2026 (the national almanac's solar terms; 雑節 as
// calendars print them) and 2025's second 土用の丑の日 (the first is below).
// 春分 2026-03-20 is a 癸 day, five days from the 戊 days 3-15 and 3-25;
// 社日 is the earlier of the two.
constexpr Expected kPublished[] = {
    {2026, 1, 5, "小寒*"},         {2026, 1, 17, "土用の入り"}, {2026, 1, 20, "大寒*"},
    {2026, 2, 3, "節分"},          {2026, 2, 4, "立春*"},       {2026, 2, 19, "雨水*"},
    {2026, 3, 5, "啓蟄*"},         {2026, 3, 15, "社日"},       {2026, 3, 17, "彼岸入り"},
    {2026, 3, 20, "春分*"},        {2026, 3, 23, "彼岸明け"},   {2026, 4, 5, "清明*"},
    {2026, 4, 17, "土用の入り"},   {2026, 4, 20, "穀雨*"},      {2026, 5, 2, "八十八夜"},
    {2026, 5, 5, "立夏*"},         {2026, 5, 21, "小満*"},      {2026, 6, 6, "芒種*"},
    {2026, 6, 11, "入梅"},         {2026, 6, 21, "夏至*"},      {2026, 7, 2, "半夏生"},
    {2026, 7, 7, "小暑*"},         {2026, 7, 20, "土用の入り"}, {2026, 7, 23, "大暑*"},
    {2026, 7, 26, "土用の丑の日"}, {2026, 8, 7, "立秋*"},       {2026, 8, 23, "処暑*"},
    {2026, 9, 1, "二百十日"},      {2026, 9, 7, "白露*"},       {2026, 9, 11, "二百二十日"},
    {2026, 9, 20, "彼岸入り"},     {2026, 9, 21, "社日"},       {2026, 9, 23, "秋分*"},
    {2026, 9, 26, "彼岸明け"},     {2026, 10, 8, "寒露*"},      {2026, 10, 20, "土用の入り"},
    {2026, 10, 23, "霜降*"},       {2026, 11, 7, "立冬*"},      {2026, 11, 22, "小雪*"},
    {2026, 12, 7, "大雪*"},        {2026, 12, 22, "冬至*"},     {2025, 7, 31, "土用の丑の日"},
};

TEST(Sekki, PublishedDatesOf2026) {
    for (const Expected& e : kPublished) {
        EXPECT_EQ(MarksOf(e.year, e.month, e.day), e.marks) << e.year << "-" << int(e.month) << "-" << int(e.day);
    }
    // Days between the marks carry none: 彼岸's middle days, the day after
    // 節分, and the summer 土用 of 2026 holds one 丑 day only.
    for (const Expected& e : {Expected{2026, 3, 18, ""}, Expected{2026, 3, 22, ""}, Expected{2026, 2, 5, ""},
                              Expected{2026, 8, 6, ""}, Expected{2026, 8, 8, ""}}) {
        EXPECT_EQ(MarksOf(e.year, e.month, e.day), e.marks) << e.year << "-" << int(e.month) << "-" << int(e.day);
    }
}

TEST(Sekki, NoneOutsideTheTable) {
    EXPECT_TRUE(SekkiMarksOf(DateToJulius(1899, 12, 22)).empty());
    EXPECT_TRUE(SekkiMarksOf(DateToJulius(2101, 1, 5)).empty());
    EXPECT_TRUE(SekkiMarksOf(0).empty());
    EXPECT_TRUE(SekkiMarksOf(kLastSupportedDay).empty());
}

// Within each year: the 24 terms in order 15 degrees apart, and each 雑節
// where its rule puts it, counted from the terms' days.
TEST(Sekki, EveryYearFollowsTheRules) {
    for (int32_t year = 1900; year <= 2100; ++year) {
        std::vector<std::pair<int32_t, std::string>> marks;
        for (int32_t j = DateToJulius(year, 1, 1); j <= DateToJulius(year, 12, 31); ++j) {
            for (const SekkiMark& m : SekkiMarksOf(j)) {
                ASSERT_EQ(m.julius, j);
                marks.emplace_back(j, std::string(m.name) + (m.solarTerm ? "*" : ""));
            }
        }
        const auto daysOf = [&](const std::string& name) {
            std::vector<int32_t> days;
            for (const auto& [j, n] : marks) {
                if (n == name) days.push_back(j);
            }
            return days;
        };
        const auto one = [&](const std::string& name) {
            const auto days = daysOf(name);
            EXPECT_EQ(days.size(), 1u) << year << " " << name;
            return days.empty() ? 0 : days.front();
        };
        const int32_t risshun = one("立春*"), shunbun = one("春分*"), shubun = one("秋分*");
        EXPECT_EQ(one("節分"), risshun - 1) << year;
        EXPECT_EQ(one("八十八夜"), risshun + 87) << year;
        EXPECT_EQ(one("二百十日"), risshun + 209) << year;
        EXPECT_EQ(one("二百二十日"), risshun + 219) << year;
        EXPECT_EQ(daysOf("彼岸入り"), (std::vector<int32_t>{shunbun - 3, shubun - 3})) << year;
        EXPECT_EQ(daysOf("彼岸明け"), (std::vector<int32_t>{shunbun + 3, shubun + 3})) << year;
        const auto shanichi = daysOf("社日");
        ASSERT_EQ(shanichi.size(), 2u) << year;
        for (int k = 0; k < 2; ++k) {
            const int32_t equinox = k == 0 ? shunbun : shubun;
            EXPECT_EQ(StemOf(shanichi[k]), kStemTsuchinoe) << year;
            const int32_t away = shanichi[k] - equinox;
            EXPECT_TRUE(away >= -5 && away <= 4) << year << ": 社日 " << away << " days from the equinox";
        }
        const auto doyo = daysOf("土用の入り");
        ASSERT_EQ(doyo.size(), 4u) << year;
        const char* const ends[] = {"立春*", "立夏*", "立秋*", "立冬*"};
        size_t ushi = 0;
        for (int k = 0; k < 4; ++k) {
            const int32_t end = one(ends[k]);
            EXPECT_TRUE(end - doyo[k] >= 17 && end - doyo[k] <= 19) << year << ": 土用 of " << end - doyo[k] << " days";
            for (int32_t d = doyo[k]; d < end; ++d) ushi += BranchOf(d) == kBranchUshi;
        }
        EXPECT_EQ(daysOf("土用の丑の日").size(), ushi) << year;
        for (const int32_t d : daysOf("土用の丑の日")) EXPECT_EQ(BranchOf(d), kBranchUshi) << year;
        size_t terms = 0;
        for (const auto& [j, n] : marks) terms += n.ends_with("*");
        EXPECT_EQ(terms, 24u) << year;
    }
}

TEST(Sekki, ADayListsItsTermFirstThenItsZassetsu) {
    EXPECT_EQ(MarksOf(2025, 3, 20), "春分*,社日");
    EXPECT_EQ(MarksOf(2014, 3, 18), "彼岸入り,社日");
    EXPECT_EQ(MarksOf(2025, 7, 19), "土用の入り,土用の丑の日");
    EXPECT_EQ(MarksOf(2027, 2, 3), "節分,土用の丑の日");
    EXPECT_EQ(MarksOf(2024, 5, 1), "八十八夜,土用の丑の日");
}

TEST(Sekki, TheWalkAnswersAsTheLookupOnEveryDay) {
    const int32_t from = DateToJulius(1899, 12, 1), to = DateToJulius(2101, 1, 31);
    SekkiWalk walk(from);
    size_t marks = 0;
    for (int32_t j = from; j <= to; ++j, walk.Next()) {
        const auto looked = SekkiMarksOf(j), walked = walk.Marks();
        ASSERT_EQ(walked.size(), looked.size()) << "Julius day " << j;
        for (size_t i = 0; i < looked.size(); ++i) ASSERT_EQ(walked[i].name, looked[i].name) << "Julius day " << j;
        marks += looked.size();
    }
    EXPECT_GT(marks, 201u * 40);
}

TEST(Sexagenary, CountsFromAKnownDay) {
    EXPECT_EQ(SexagenaryIndex(DateToJulius(2011, 1, 1)), 52) << "2011-01-01 is 丙辰";
    EXPECT_EQ(SexagenaryIndex(DateToJulius(2011, 1, 1) + 8), 0) << "and eight days later 甲子";
    EXPECT_EQ(SexagenaryIndex(DateToJulius(2010, 8, 7)), 25) << "2010-08-07 is 己丑";
    EXPECT_EQ(StemOf(DateToJulius(2026, 3, 15)), kStemTsuchinoe) << "社日 of spring 2026, a 戊 day";
    EXPECT_EQ(BranchOf(DateToJulius(2026, 7, 26)), kBranchUshi) << "土用の丑の日 of 2026";
    EXPECT_EQ(SexagenaryIndex(-11), 38) << "the cycle runs on before day 0";
}

}  // namespace
}  // namespace zenka
