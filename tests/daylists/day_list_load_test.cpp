// Loading the day lists from a store whose counts or values were damaged:
// no line that is there may be lost, and the next save keeps them all.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/default_holidays.h"
#include "daylists/day_list_storage.h"
#include "tests/fakes/memory_key_store.h"

namespace zenka {
namespace {

using Lines = std::vector<std::string>;

const std::string kUnreadable = MemoryKeyStore::Unreadable("binary");

struct DamagedStore {
    const char* name;
    const char* section;
    std::optional<std::string> count;  // nothing: no count value
    std::vector<std::pair<size_t, std::string>> items;
    Lines expected;
    bool toldDamaged;
};

const DamagedStore kDamagedStores[] = {
    {"a count with a blank", "ListB", " 2", {{0, "a"}, {1, "b"}, {2, "c"}}, {"a", "b", "c"}, true},
    {"a negative count", "ListB", "-5", {{0, "a"}, {1, "b"}}, {"a", "b"}, true},
    {"a count without text", "ListB", kUnreadable, {{0, "a"}, {1, "b"}, {2, "c"}}, {"a", "b", "c"}, true},
    {"a DWORD 0xFFFFFFFF", "ListA", "4294967295", {{0, "a"}, {1, "b"}}, {"a", "b"}, true},
    {"the largest count", "ListA", "2147483647", {{0, "a"}}, {"a"}, true},
    {"a count below the items", "ListA", "0", {{0, "a"}, {1, "b"}, {2, "c"}}, {"a", "b", "c"}, true},
    {"no count, a gap", "ListB", std::nullopt, {{0, "a"}, {3, "d"}}, {"a", "", "", "d"}, true},
    {"a count a little beyond", "ListB", "5", {{0, "a"}, {1, "b"}, {2, "c"}}, {"a", "b", "c", "", "", ""}, false},
    {"an item without text", "ListB", "2", {{0, "a"}, {1, kUnreadable}, {2, "c"}}, {"a", "", "c"}, false},
    {"only an empty first line", "ListB", std::nullopt, {{0, ""}}, {}, false},
    {"a holiday count of letters", "ListC", "abc", {{0, "1,1,元旦"}, {1, "2,2,x"}}, {"1,1,元旦", "2,2,x"}, true},
    {"no holiday count", "ListC", std::nullopt, {{0, "1,1,元旦"}}, {"1,1,元旦"}, true},
    {"the holiday count of no list", "ListC", "-10", {{0, "1,1,元旦"}}, {"1,1,元旦"}, true},
    {"letters and no holidays", "ListC", "abc", {}, DefaultHolidayLines(), false},
    {"no holidays stored", "ListC", "-10", {}, DefaultHolidayLines(), false},
    {"an emptied holiday list", "ListC", "-1", {}, {}, false},
};

const Lines& ListIn(const DayLists& lists, std::string_view section) {
    if (section == "ListC") return lists.HolidayList;
    return section == "ListB" ? lists.SpecialDayList : lists.YoteiDayList;
}

TEST(LoadDayLists, ADamagedCountLosesNoItemAndIsToldOnce) {
    for (const DamagedStore& store : kDamagedStores) {
        MemoryKeyStore keys;
        const std::string countName = store.section == std::string("ListC")   ? "KMax"
                                      : store.section == std::string("ListB") ? "Max"
                                                                              : "Max2";
        if (store.count) keys.Data()[store.section][countName] = *store.count;
        for (const auto& [index, text] : store.items) keys.Data()[store.section][ItemName(index)] = text;

        std::vector<std::string> told;
        const DayLists lists = LoadDayLists(keys, [&](const std::string& text) { told.push_back(text); });
        EXPECT_EQ(ListIn(lists, store.section), store.expected) << store.name;
        EXPECT_EQ(told.size(), store.toldDamaged ? 1u : 0u) << store.name;
        if (store.toldDamaged && !told.empty()) {
            EXPECT_NE(told[0].find("件数が壊れていた"), std::string::npos) << told[0];
        }

        // Saved back, it loads as it loaded, and the count now stands.
        ASSERT_TRUE(SaveDayLists(keys, lists)) << store.name;
        told.clear();
        EXPECT_EQ(LoadDayLists(keys, [&](const std::string& text) { told.push_back(text); }), lists) << store.name;
        EXPECT_TRUE(told.empty()) << store.name;
    }
}

TEST(LoadDayLists, SeveralDamagedCountsAreToldInOneMessage) {
    MemoryKeyStore keys;
    keys.WriteText("ListB", "Max", "-5");
    keys.WriteText("ListB", "Item[0]", "2,14,x");
    keys.WriteText("ListC", "KMax", "x");
    keys.WriteText("ListC", "Item[0]", "1,1,元旦");
    std::vector<std::string> told;
    LoadDayLists(keys, [&](const std::string& text) { told.push_back(text); });
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find("特別日・休日リスト"), std::string::npos) << told[0];
}

TEST(SaveDayLists, AnItemWithoutTextIsKeptAsItIs) {
    MemoryKeyStore keys;
    keys.WriteText("ListA", "Max2", "2");
    keys.WriteText("ListA", "Item[0]", "a");
    keys.Data()["ListA"]["Item[1]"] = MemoryKeyStore::Unreadable("binary 1");
    keys.Data()["ListA"]["Item[2]"] = MemoryKeyStore::Unreadable("binary 2");
    DayLists lists = LoadDayLists(keys);
    ASSERT_EQ(lists.YoteiDayList, (Lines{"a", "", ""}));

    lists.YoteiDayList[2] = "3,3,new";  // a line given text replaces its item
    lists.YoteiDayList.push_back("");   // an empty line of its own stays empty text
    ASSERT_TRUE(SaveDayLists(keys, lists));
    EXPECT_EQ(keys.Data()["ListA"], (std::map<std::string, std::string>{{"Max2", "3"},
                                                                        {"Item[0]", "a"},
                                                                        {"Item[1]", MemoryKeyStore::Unreadable("binary 1")},
                                                                        {"Item[2]", "3,3,new"},
                                                                        {"Item[3]", ""}}));
}

}  // namespace
}  // namespace zenka
