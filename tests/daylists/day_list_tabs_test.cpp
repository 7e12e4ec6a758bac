// The three day-list tabs: loading them, adding entries, and the entries
// left typed at OK.
#include "daylists/day_list_tabs.h"

#include <gtest/gtest.h>

namespace zenka {
namespace {

TEST(DayListTabs, OpenWithCopiesOfTheListsAndTheCalendarsDate) {
    DayListTabs tabs;
    tabs.special.entry.content = "kept";
    const DayLists lists{{"1,1,元旦"}, {"2,14,x"}, {"2006,0,5,5,y", "z"}};
    LoadDayListTabs(tabs, lists, false, {2006, 1, 10});
    EXPECT_EQ(tabs.Lists(), lists);
    EXPECT_EQ(tabs.yotei.list.SelectedCount(), 0u);
    EXPECT_FALSE(tabs.autoEquinox);
    for (DayListKind kind : {DayListKind::Yotei, DayListKind::Special, DayListKind::Holiday}) {
        const EntryControls& c = tabs.Tab(kind).entry;
        EXPECT_EQ(c.year, 2006);
        EXPECT_EQ(c.month, 1);
        EXPECT_EQ(c.weekMonth, 1);
        EXPECT_EQ(c.day, 10);
        EXPECT_EQ(c.weekNumber, 2);
        EXPECT_EQ(c.weekday, 3);  // Tuesday
        EXPECT_EQ(c.yearChecked, kind == DayListKind::Yotei);
    }
    EXPECT_EQ(tabs.special.entry.content, "kept");
}

TEST(DayListTabs, AddingComposesWithTheTabsDefaultModeAndEmptiesTheContent) {
    DayListTabs tabs;
    LoadDayListTabs(tabs, {{}, {"2,14,x"}, {}}, true, {2006, 1, 10});

    tabs.special.entry.content = "成人式";
    EXPECT_EQ(AddEntry(tabs.special, kListRows), AddOutcome::Added);
    EXPECT_EQ(tabs.special.list.lines, (std::vector<std::string>{"2,14,x", "1,10,成人式"}));
    EXPECT_EQ(tabs.special.entry.content, "");

    tabs.holiday.entry.yearChecked = true;
    tabs.holiday.entry.content = "創立記念日";
    EXPECT_EQ(AddEntry(tabs.holiday, kListRows), AddOutcome::Added);
    EXPECT_EQ(tabs.holiday.list.lines, std::vector<std::string>{"2006,2,1,10,創立記念日"});

    DayListTab& yotei = tabs.yotei;
    PresetEntryControls(yotei.entry, {2006, 5, 14});  // the second Sunday of May
    yotei.entry.weekForm = true;
    yotei.entry.content = "x";
    EXPECT_EQ(AddEntry(yotei, kListRows), AddOutcome::Added);
    yotei.entry.yearChecked = false;
    yotei.entry.content = "x";
    EXPECT_EQ(AddEntry(yotei, kListRows), AddOutcome::Added);
    EXPECT_EQ(yotei.list.lines, (std::vector<std::string>{"2006,0,5,2,1,x", "5,2,1,x"}));

    EXPECT_EQ(AddEntry(yotei, kListRows), AddOutcome::NothingToAdd);
    yotei.entry.content = "a,b";
    EXPECT_EQ(AddEntry(yotei, kListRows), AddOutcome::CommaInContent);
    EXPECT_EQ(yotei.entry.content, "a,b");
    EXPECT_EQ(yotei.list.lines.size(), 2u);
}

TEST(DayListTabs, EntriesLeftTypedArePendingInTheOrderOkAddsThem) {
    DayListTabs tabs;
    EXPECT_FALSE(HasPendingEntries(tabs));
    for (DayListKind kind : {DayListKind::Yotei, DayListKind::Special, DayListKind::Holiday}) {
        DayListTabs one;
        one.Tab(kind).entry.content = "x";
        EXPECT_TRUE(HasPendingEntries(one));
    }
    EXPECT_EQ(kPendingEntryOrder,
              (std::array<DayListKind, 3>{DayListKind::Special, DayListKind::Holiday, DayListKind::Yotei}));
}

}  // namespace
}  // namespace zenka
