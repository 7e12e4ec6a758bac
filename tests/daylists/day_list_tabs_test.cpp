// A day-list tab adding the entry its controls compose.
#include "daylists/day_list_tabs.h"

#include <gtest/gtest.h>

namespace zenka {
namespace {

DayListTab TabOn(DayListKind kind, std::vector<std::string> lines, const CivilDate& date) {
    DayListTab tab(kind);
    tab.list.Reset(std::move(lines));
    PresetEntryControls(tab.entry, date);
    return tab;
}

TEST(DayListTab, AddingComposesWithTheTabsDefaultModeAndEmptiesTheContent) {
    DayListTab special = TabOn(DayListKind::Special, {"2,14,x"}, {2006, 1, 10});
    special.entry.content = "成人式";
    EXPECT_EQ(AddEntry(special, kListRows), AddOutcome::Added);
    EXPECT_EQ(special.list.lines, (std::vector<std::string>{"2,14,x", "1,10,成人式"}));
    EXPECT_EQ(special.entry.content, "");

    DayListTab holiday = TabOn(DayListKind::Holiday, {}, {2006, 1, 10});
    holiday.entry.yearChecked = true;
    holiday.entry.content = "創立記念日";
    EXPECT_EQ(AddEntry(holiday, kListRows), AddOutcome::Added);
    EXPECT_EQ(holiday.list.lines, std::vector<std::string>{"2006,2,1,10,創立記念日"});

    DayListTab yotei = TabOn(DayListKind::Yotei, {}, {2006, 5, 14});  // the second Sunday of May
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

}  // namespace
}  // namespace zenka
