// The commands of a day-list tab on its list box's lines and selection.
#include "daylists/day_list_box.h"

#include <gtest/gtest.h>

#include "calendar/default_holidays.h"
#include "calendar/julius.h"

namespace zenka {
namespace {

using Lines = std::vector<std::string>;
using Flags = std::vector<bool>;

ListBoxState List(Lines lines, Flags selected, int focus = -1, int top = 0) {
    ListBoxState list(std::move(lines));
    list.selected = std::move(selected);
    list.focus = focus;
    list.top = top;
    return list;
}

Lines Numbered(int count) {
    Lines lines;
    for (int i = 0; i < count; ++i) lines.push_back(std::to_string(i));
    return lines;
}

TEST(DayListBox, AddingPutsTheNewLineAfterTheOnlySelectedLineOrAtTheEnd) {
    struct Case {
        const char* what;
        ListBoxState before;
        ListBoxState after;
    };
    const Case cases[] = {
        {"after the only selected line, which hands over the selection",
         List({"a", "b", "c"}, {false, true, false}, 1), List({"a", "b", "N", "c"}, {false, false, true, false}, 2)},
        {"two selected: at the end, selected with them",
         List({"a", "b", "c"}, {true, false, true}, 2), List({"a", "b", "c", "N"}, {true, false, true, true}, 3)},
        {"none selected: at the end", List({"a"}, {false}, 0), List({"a", "N"}, {false, true}, 1)},
        {"an empty list", List({}, {}), List({"N"}, {true}, 0)},
        {"after the last visible row: scrolled down by one",
         List(Numbered(8), {false, false, false, false, true, false, false, false}, 4, 0),
         List({"0", "1", "2", "3", "4", "N", "5", "6", "7"}, {false, false, false, false, false, true, false, false, false},
              5, 1)},
        {"after a line scrolled out of view: brought into it",
         List(Numbered(12), {true, false, false, false, false, false, false, false, false, false, false, false}, 0, 7),
         List({"0", "N", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"},
              {false, true, false, false, false, false, false, false, false, false, false, false, false}, 1, 1)},
        {"at the end of a long list: the end shown",
         List(Numbered(10), Flags(10, false), -1, 0),
         List({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "N"},
              {false, false, false, false, false, false, false, false, false, false, true}, 10, 6)},
    };
    for (const Case& c : cases) {
        ListBoxState list = c.before;
        InsertNewLine(list, "N", kListRows);
        EXPECT_EQ(list, c.after) << c.what;
    }
}

TEST(DayListBox, DeletingSelectsTheLineThatTakesTheFirstRemovedPlace) {
    struct Case {
        const char* what;
        ListBoxState before;
        ListBoxState after;
        bool deleted;
    };
    const Case cases[] = {
        {"the last two of five", List({"a", "b", "c", "d", "e"}, {false, false, false, true, true}, 4),
         List({"a", "b", "c"}, {false, false, true}, 2), true},
        {"the first", List({"a", "b", "c"}, {true, false, false}, 0), List({"b", "c"}, {true, false}, 0), true},
        {"lines apart", List({"a", "b", "c", "d"}, {false, true, false, true}, 3),
         List({"a", "c"}, {false, true}, 1), true},
        {"all of them", List({"a", "b"}, {true, true}, 1), List({}, {}, -1), true},
        {"none selected", List({"a", "b"}, {false, false}, 1), List({"a", "b"}, {false, false}, 1), false},
        {"the scrolled end", List(Numbered(8), {false, false, false, false, false, false, true, true}, 7, 3),
         List(Numbered(6), {false, false, false, false, false, true}, 5, 3), true},
    };
    for (const Case& c : cases) {
        ListBoxState list = c.before;
        EXPECT_EQ(DeleteSelectedLines(list), c.deleted) << c.what;
        EXPECT_EQ(list, c.after) << c.what;
    }
}

TEST(DayListBox, MovingShiftsTheFocusedLineOnePlaceWithoutItsSelection) {
    ListBoxState list = List({"a", "b", "c", "d"}, {false, true, false, true}, 1);
    EXPECT_TRUE(MoveFocusedLineUp(list));
    EXPECT_EQ(list, List({"b", "a", "c", "d"}, {false, false, false, true}, 0));
    EXPECT_FALSE(MoveFocusedLineUp(list)) << "the first line goes no higher";

    list.focus = 2;
    EXPECT_TRUE(MoveFocusedLineDown(list));
    EXPECT_EQ(list, List({"b", "a", "d", "c"}, {false, false, true, false}, 3));
    EXPECT_FALSE(MoveFocusedLineDown(list)) << "the last line goes no lower";
    EXPECT_EQ(list.lines, (Lines{"b", "a", "d", "c"}));

    ListBoxState empty;
    EXPECT_FALSE(MoveFocusedLineUp(empty));
    EXPECT_FALSE(MoveFocusedLineDown(empty));
}

TEST(DayListBox, DroppingMovesTheOneSelectedLineToTheTargetRow) {
    EXPECT_EQ(DropTargetRow(2, 5), 2);
    EXPECT_EQ(DropTargetRow(-1, 5), 4) << "below the last line: the last row";
    EXPECT_EQ(DropTargetRow(7, 5), 4);
    EXPECT_EQ(DropTargetRow(-1, 0), -1);

    ListBoxState list = List({"a", "b", "c", "d"}, {false, true, false, false}, 1);
    EXPECT_TRUE(DropFocusedLine(list, DropTargetRow(-1, list.lines.size())));
    EXPECT_EQ(list, List({"a", "c", "d", "b"}, {false, false, false, true}, 3));
    EXPECT_TRUE(DropFocusedLine(list, 0));
    EXPECT_EQ(list, List({"b", "a", "c", "d"}, {true, false, false, false}, 0));
    EXPECT_FALSE(DropFocusedLine(list, 0)) << "onto itself";

    list.selected = {true, true, false, false};
    EXPECT_FALSE(DropFocusedLine(list, 3)) << "several selected: nothing moves";
    EXPECT_EQ(list.lines, (Lines{"b", "a", "c", "d"}));
}

TEST(DayListBox, TheDropMarkerIsABandAtTheEdgeTheLineWouldGoTo) {
    const Rect row{0, 30, 100, 45};
    EXPECT_EQ(DropBand(row, 1, 3), (Rect{0, 30, 100, 32})) << "above the focused line: its top edge";
    EXPECT_EQ(DropBand(row, 3, 3), (Rect{0, 43, 100, 45}));
    EXPECT_EQ(DropBand(row, 5, 3), (Rect{0, 43, 100, 45}));

    // Over a new row the old band is erased and the new one drawn; over the
    // same row nothing is drawn again (drawing twice would erase it).
    DropMarkerStep step = MoveDropMarker({}, 1, row, 3);
    EXPECT_FALSE(step.eraseOld);
    EXPECT_TRUE(step.drawNew);
    EXPECT_EQ(step.next, (DropMarker{1, {0, 30, 100, 32}}));
    const DropMarkerStep same = MoveDropMarker(step.next, 1, row, 3);
    EXPECT_FALSE(same.eraseOld || same.drawNew);
    EXPECT_EQ(same.next, step.next);
    const Rect below{0, 45, 100, 60};
    step = MoveDropMarker(step.next, 4, below, 3);
    EXPECT_TRUE(step.eraseOld && step.drawNew);
    EXPECT_EQ(step.next, (DropMarker{4, {0, 58, 100, 60}}));
}

TEST(DayListBox, MenuItemsFollowTheSelection) {
    const ListBoxState one = List({"a", "b"}, {true, false});
    const ListBoxState two = List({"a", "b"}, {true, true});
    const ListBoxState none = List({"a", "b"}, {false, false});
    const ListBoxState empty;
    EXPECT_EQ(ListMenuEnablingOf(DayListKind::Yotei, one), (ListMenuEnabling{true, true, true, true, true, true}));
    EXPECT_EQ(ListMenuEnablingOf(DayListKind::Special, one), (ListMenuEnabling{true, true, true, true, true, false}));
    EXPECT_EQ(ListMenuEnablingOf(DayListKind::Holiday, two), (ListMenuEnabling{false, false, false, false, true, false}));
    EXPECT_EQ(ListMenuEnablingOf(DayListKind::Special, none), (ListMenuEnabling{false, false, false, false, true, false}));
    EXPECT_EQ(ListMenuEnablingOf(DayListKind::Yotei, empty), (ListMenuEnabling{false, false, false, false, false, true}));
}

TEST(DayListBox, ADateSelectsExactlyTheLinesNamingItAsTheCalendarReadsThem) {
    const Lines lines{
        "1,1,元旦",               // 0 fixed day
        "11,1,a",                 // 1 "1,1" inside, another day
        "1,15,b",                 // 2 "1,1" inside, another day
        "1,1,3,新年会",           // 3 first Tuesday of January: 2006-01-03
        "2006,0,1,1,x",           // 4 that year only
        "2007,0,1,1,y",           // 5 another year
        "2005,2,1,1,2,z",         // 6 first Monday from 2005: 2006-01-02
        "2006,7,1,1,any year",    // 7 a mode without a year limit
        "1,x,bad",                // 8 malformed: keeps its selection
        "12,25",                  // 9 two fields: keeps its selection
        "1,1,1,1,1,1,1",          // 10 seven fields
        "x,1,1,1,w",              // 11 malformed year in a year-limited line
    };
    struct Case {
        CivilDate date;
        Flags before;
        Flags after;
    };
    const Flags allOn(lines.size(), true);
    const Flags allOff(lines.size(), false);
    const Case cases[] = {
        {{2006, 1, 1}, allOff, {true, false, false, false, true, false, false, true, false, false, false, false}},
        {{2006, 1, 1}, allOn, {true, false, false, false, true, false, false, true, true, true, true, true}},
        {{2006, 1, 3}, allOn, {false, false, false, true, false, false, false, false, true, true, true, true}},
        {{2006, 1, 2}, allOff, {false, false, false, false, false, false, true, false, false, false, false, false}},
        {{2007, 1, 1}, allOff, {true, false, false, false, false, true, true, true, false, false, false, false}},
        {{2006, 11, 1}, allOff, {false, true, false, false, false, false, false, false, false, false, false, false}},
    };
    for (const Case& c : cases) {
        ListBoxState list = List(lines, c.before);
        SelectLinesOfDate(list, c.date.year, c.date.month, c.date.day, kListRows);
        EXPECT_EQ(list.selected, c.after) << c.date.year << "-" << int(c.date.month) << "-" << int(c.date.day);
    }
}

TEST(DayListBox, TheDefaultHolidaysOfADateAreSelectedAndShown) {
    ListBoxState list(DefaultHolidayLines());
    SelectLinesOfDate(list, 2006, 12, 23, kListRows);
    ASSERT_EQ(list.SelectedCount(), 1u);
    const int selected = static_cast<int>(std::find(list.selected.begin(), list.selected.end(), true) - list.selected.begin());
    EXPECT_EQ(list.lines[selected], "2006,0,12,23,天皇誕生日");
    EXPECT_TRUE(selected >= list.top && selected < list.top + kListRows) << "top " << list.top;

    SelectLinesOfDate(list, 2006, 7, 17, kListRows);  // the third Monday of July
    ASSERT_EQ(list.SelectedCount(), 1u);
    EXPECT_TRUE(list.selected[std::find(list.lines.begin(), list.lines.end(), "2006,0,7,3,2,海の日") - list.lines.begin()]);

    // A date without a line unselects them all and leaves the view alone.
    const int top = list.top;
    SelectLinesOfDate(list, 2006, 6, 6, kListRows);
    EXPECT_EQ(list.SelectedCount(), 0u);
    EXPECT_EQ(list.top, top);
}

}  // namespace
}  // namespace zenka
