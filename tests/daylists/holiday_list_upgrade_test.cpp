// A stored holiday list that is an earlier version's default becomes the
// current default at start-up; any other list stays the user's.
#include "daylists/holiday_list_upgrade.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/default_holidays.h"
#include "daylists/day_list_storage.h"
#include "tests/fakes/memory_key_store.h"

namespace zenka {
namespace {

using Lines = std::vector<std::string>;

const Lines kSpecialDays{"2,14,バレンタインデー"};

// The store as an earlier version left it, with the holiday list given.
MemoryKeyStore StoreHolding(const Lines& holidays) {
    MemoryKeyStore keys;
    SaveDayLists(keys, {holidays, kSpecialDays, {}});
    return keys;
}

TEST(HolidayListUpgrade, AnEarlierDefaultIsReplacedAndEveryOtherListKept) {
    const Lines oldLayout = EarlierDefaultHolidayLists().at(0);
    const Lines from1989 = EarlierDefaultHolidayLists().at(1);
    ASSERT_EQ(oldLayout.size(), 17u);
    ASSERT_EQ(from1989.size(), 78u);
    Lines oneCharacterOff = from1989;
    oneCharacterOff.front() = "1,2,元旦";
    Lines reordered = oldLayout;
    std::swap(reordered[1], reordered[2]);
    Lines oneLineMore = from1989;
    oneLineMore.push_back("12,31,大晦日");
    Lines oneLineLess = oldLayout;
    oneLineLess.pop_back();
    struct Case {
        const char* what;
        Lines stored;
        bool replaced;
    };
    const Case cases[] = {
        {"the old layout's default", oldLayout, true},
        {"the default exact from 1989", from1989, true},
        {"one character changed", oneCharacterOff, false},
        {"two lines swapped", reordered, false},
        {"a line added", oneLineMore, false},
        {"a line removed", oneLineLess, false},
        {"the current default", DefaultHolidayLines(), false},
        {"an emptied list", {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MemoryKeyStore keys = StoreHolding(c.stored);
        Lines lines = LoadDayLists(keys).HolidayList;
        ASSERT_EQ(lines, c.stored);
        keys.ClearLog();
        EXPECT_EQ(UpgradeEarlierDefaultHolidayList(keys, lines), c.replaced);
        EXPECT_EQ(keys.Log().empty(), !c.replaced) << "only a list replaced is written";
        const Lines expected = c.replaced ? DefaultHolidayLines() : c.stored;
        EXPECT_EQ(lines, expected);
        EXPECT_EQ(LoadDayLists(keys), (DayLists{expected, kSpecialDays, {}}));
    }
}

// The save is stopped at growing intervals, several times in each of its
// stages (the new list written aside, the list's own place rewritten, the
// aside copy cleared); the save's own tests stop it at every single step.
TEST(HolidayListUpgrade, ASaveThatStopsAnywhereLeavesTheEarlierOrTheCurrentDefault) {
    for (const Lines& earlier : EarlierDefaultHolidayLists()) {
        const MemoryKeyStore stored = StoreHolding(earlier);
        for (const bool processEnds : {false, true}) {
            for (size_t step = 1;; step += 1 + step / 8) {
                const std::string where = std::to_string(earlier.size()) + " lines, " +
                                          (processEnds ? "ended" : "failed") + " at step " + std::to_string(step);
                MemoryKeyStore keys = stored;
                Lines lines = earlier;
                const size_t stepsBefore = keys.StepsTaken();
                keys.FailStep(step, processEnds);
                ASSERT_TRUE(UpgradeEarlierDefaultHolidayList(keys, lines)) << where;
                EXPECT_EQ(lines, DefaultHolidayLines()) << "this run has the new list, saved or not; " << where;
                const bool stopped = keys.StepsTaken() - stepsBefore >= step;
                keys.StopFailing();
                const DayLists left = LoadDayLists(keys);
                EXPECT_EQ(left.SpecialDayList, kSpecialDays) << where;
                if (!stopped) {
                    EXPECT_EQ(left.HolidayList, DefaultHolidayLines());
                    ASSERT_GT(step, 600u) << "the save takes a step for each line it writes or clears";
                    break;
                }
                EXPECT_TRUE(left.HolidayList == earlier || left.HolidayList == DefaultHolidayLines())
                    << where << ": " << left.HolidayList.size() << " lines";
                // The next start finishes what this one began.
                Lines next = left.HolidayList;
                UpgradeEarlierDefaultHolidayList(keys, next);
                EXPECT_EQ(LoadDayLists(keys).HolidayList, DefaultHolidayLines()) << where;
            }
        }
    }
}

}  // namespace
}  // namespace zenka
