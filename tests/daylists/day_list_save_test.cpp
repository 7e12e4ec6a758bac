// Saving the day lists when the saving stops part of the way: the stored
// lists must load as they were or as written, never a mix or nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/default_holidays.h"
#include "daylists/day_list_storage.h"
#include "tests/fakes/memory_key_store.h"

namespace zenka {
namespace {

using Lines = std::vector<std::string>;

std::string Describe(const Lines& lines) {
    std::string text = std::to_string(lines.size()) + " lines:";
    for (const auto& line : lines) text += " [" + line + "]";
    return text;
}

void ExpectOneOf(const DayLists& got, const DayLists& before, const DayLists& after, const std::string& where) {
    auto check = [&](const Lines& g, const Lines& b, const Lines& a, const char* list) {
        EXPECT_TRUE(g == b || g == a) << where << ", " << list << ": " << Describe(g) << "\n  before "
                                      << Describe(b) << "\n  after " << Describe(a);
    };
    check(got.HolidayList, before.HolidayList, after.HolidayList, "holidays");
    check(got.SpecialDayList, before.SpecialDayList, after.SpecialDayList, "special days");
    check(got.YoteiDayList, before.YoteiDayList, after.YoteiDayList, "scheduled days");
}

// After a save that ran to its end, each list's section holds its count and
// items and nothing else, and no other section is left.
void ExpectExactLayout(const MemoryKeyStore& keys, const DayLists& lists) {
    auto expectSection = [&](const char* section, const char* count, const Lines& lines) {
        std::map<std::string, std::string> expected{{count, std::to_string(static_cast<int>(lines.size()) - 1)}};
        for (size_t i = 0; i < lines.size(); ++i) expected[ItemName(i)] = lines[i];
        const auto found = keys.Data().find(section);
        ASSERT_NE(found, keys.Data().end()) << section;
        EXPECT_EQ(found->second, expected) << section;
    };
    expectSection("ListC", "KMax", lists.HolidayList);
    expectSection("ListB", "Max", lists.SpecialDayList);
    expectSection("ListA", "Max2", lists.YoteiDayList);
    EXPECT_EQ(keys.Data().size(), 3u);
}

struct Scenario {
    const char* name;
    void (*prepare)(MemoryKeyStore&);
    DayLists lists;
};

void Nothing(MemoryKeyStore&) {}
void FiveLines(MemoryKeyStore& keys) {
    const Lines five{"1,1,a", "2,2,b", "3,3,c", "4,4,d", "5,5,e"};
    SaveDayLists(keys, {five, five, five});
}
void EmptyLists(MemoryKeyStore& keys) { SaveDayLists(keys, {}); }
// As an older version left them: a first line without a count, no holiday count.
void WithoutCounts(MemoryKeyStore& keys) {
    keys.WriteText("ListB", "Item[0]", "2,14,x");
    keys.WriteText("ListA", "Item[0]", "2026,0,1,1,y");
    keys.WriteText("ListC", "Item[0]", "1,1,z");
}

const Scenario kScenarios[] = {
    {"first save", Nothing, {{"1,1,元旦"}, {"2,14,x", "2,14,x"}, {"7,7,七夕"}}},
    {"shrinking", FiveLines, {{"9,9,q"}, {"8,8,r", "7,7,s"}, {}}},
    {"growing", EmptyLists, {{"1,1,a", "1,2,b", "1,3,c"}, {"", "2,2,x"}, {"3,3,y"}}},
    {"emptying", FiveLines, {{}, {}, {}}},
    {"older layout", WithoutCounts, {{"1,1,z", "1,2,w"}, {"2,15,x"}, {}}},
};

TEST(SaveDayLists, AFailedWriteAnywhereLeavesEachListOldOrNew) {
    for (const Scenario& scenario : kScenarios) {
        for (bool processEnds : {false, true}) {
            for (size_t step = 1;; ++step) {
                MemoryKeyStore keys;
                scenario.prepare(keys);
                const DayLists before = LoadDayLists(keys);
                keys.FailStep(step, processEnds);
                const size_t stepsBefore = keys.StepsTaken();
                const bool saved = SaveDayLists(keys, scenario.lists);
                if (keys.StepsTaken() - stepsBefore < step) {
                    ASSERT_TRUE(saved);  // the failing step was never reached
                    ExpectExactLayout(keys, scenario.lists);
                    ASSERT_GT(step, 10u);
                    break;
                }
                EXPECT_FALSE(saved);
                keys.StopFailing();
                const std::string where = std::string(scenario.name) + (processEnds ? ", ended" : ", failed") +
                                          " at step " + std::to_string(step);
                ExpectOneOf(LoadDayLists(keys), before, scenario.lists, where);
                if (!processEnds) {
                    // One failed write costs only its own list.
                    const DayLists got = LoadDayLists(keys);
                    const int unchanged = (got.HolidayList != scenario.lists.HolidayList) +
                                          (got.SpecialDayList != scenario.lists.SpecialDayList) +
                                          (got.YoteiDayList != scenario.lists.YoteiDayList);
                    EXPECT_LE(unchanged, 1) << where;
                }
                // The next save puts everything right.
                ASSERT_TRUE(SaveDayLists(keys, scenario.lists)) << where;
                EXPECT_EQ(LoadDayLists(keys), scenario.lists) << where;
                ExpectExactLayout(keys, scenario.lists);
            }
        }
    }
}

// A save that stopped, then another that stops: the list loads as the first
// one left it or as the second writes it.
TEST(SaveDayLists, ASecondInterruptedSaveStillLeavesOldOrNew) {
    const DayLists first{{"1,1,a", "1,2,b"}, {"2,1,c"}, {"3,1,d", "3,2,e"}};
    const DayLists second{{"4,1,f"}, {"5,1,g", "5,2,h"}, {}};
    for (size_t firstStep = 1;; ++firstStep) {
        MemoryKeyStore keys;
        FiveLines(keys);
        keys.FailStep(firstStep, true);
        const size_t start = keys.StepsTaken();
        SaveDayLists(keys, first);
        if (keys.StepsTaken() - start < firstStep) break;
        keys.StopFailing();
        const auto leftByFirst = keys.Data();
        const DayLists between = LoadDayLists(keys);
        for (size_t secondStep = 1;; ++secondStep) {
            keys.Data() = leftByFirst;
            keys.FailStep(secondStep, true);
            const size_t secondStart = keys.StepsTaken();
            SaveDayLists(keys, second);
            if (keys.StepsTaken() - secondStart < secondStep) {
                keys.StopFailing();
                EXPECT_EQ(LoadDayLists(keys), second);
                ExpectExactLayout(keys, second);
                break;
            }
            keys.StopFailing();
            ExpectOneOf(LoadDayLists(keys), between, second,
                        "steps " + std::to_string(firstStep) + " then " + std::to_string(secondStep));
        }
    }
}

TEST(LoadDayLists, AFirstStartHasTheDefaultHolidaysAndNoOtherDays) {
    MemoryKeyStore keys;
    EXPECT_EQ(LoadDayLists(keys), (DayLists{DefaultHolidayLines(), {}, {}}));
    EXPECT_TRUE(keys.Data().empty());  // loading writes nothing
}

TEST(DayLists, MoveBetweenTheStoredFormAndTheRuleSet) {
    DayRuleSet rules;
    const DayLists lists{{"1,1,元旦"}, {"2,14,x"}, {"2026,0,7,7,y"}};
    AssignDayLists(lists, rules);
    EXPECT_EQ(rules.SpecialDayList.Lines(), lists.SpecialDayList);
    EXPECT_EQ(DayListsOf(rules), lists);
}

}  // namespace
}  // namespace zenka
