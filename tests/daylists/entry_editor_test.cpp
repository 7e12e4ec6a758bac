// The entry editor: a line split into the controls, with the calendar's
// date for what the line lacks, and the recomposed line put back.
#include "daylists/entry_editor.h"

#include <gtest/gtest.h>

#include "calendar/day_rule.h"

namespace zenka {
namespace {

constexpr CivilDate kCalendarDate{2006, 12, 23};  // a Saturday in the fourth week

EntryControls Controls(bool year, int32_t y, std::optional<int32_t> mode, bool week, int32_t month, int32_t day, int32_t n,
                       int32_t weekday, const char* content) {
    EntryControls c;
    c.yearChecked = year, c.year = y, c.yearMode = mode, c.weekForm = week;
    c.month = c.weekMonth = month, c.day = day, c.weekNumber = n, c.weekday = weekday, c.content = content;
    return c;
}

TEST(EntryEditor, FillsTheControlsByTheLinesNumberOfFields) {
    struct Case {
        const char* line;
        EntryControls shown;
    };
    const Case cases[] = {
        {"11,3,文化の日", Controls(false, 2006, 0, false, 11, 3, 4, 7, "文化の日")},
        {"5,2,1,母の日", Controls(false, 2006, 0, true, 5, 23, 2, 1, "母の日")},
        {"1999,1,1,15,成人の日", Controls(true, 1999, 1, false, 1, 15, 4, 7, "成人の日")},
        {"2000,2,1,2,2,成人の日", Controls(true, 2000, 2, true, 1, 23, 2, 2, "成人の日")},
        // A trailing comma gives an empty content.
        {"12,25,", Controls(false, 2006, 0, false, 12, 25, 4, 7, "")},
        // A mode the box does not offer shows as "のみ"; "01" is mode 1, as the calendar reads it.
        {"2006,7,3,21,X", Controls(true, 2006, 0, false, 3, 21, 4, 7, "X")},
        {"2006,01,3,21,X", Controls(true, 2006, 1, false, 3, 21, 4, 7, "X")},
        {"2006,x,3,21,X", Controls(true, 2006, 0, false, 3, 21, 4, 7, "X")},
        // Numbers beyond a box's range show as its nearest bound.
        {"1850,0,13,40,X", Controls(true, 1900, 0, false, 12, 31, 4, 7, "X")},
        {"2006,0,0,6,9,X", Controls(true, 2006, 0, true, 1, 23, 5, 2, "X")},
        {"2006,0,5,0,0,X", Controls(true, 2006, 0, true, 5, 23, 1, 7, "X")},
    };
    for (const Case& c : cases) {
        const EditorFilling filling = FillEditorControls(c.line, kCalendarDate);
        EXPECT_EQ(filling.controls, c.shown) << c.line;
        EXPECT_EQ(filling.error, std::nullopt) << c.line;
    }
}

TEST(EntryEditor, ATextThatIsNoNumberStopsTheFillingThere) {
    const EntryControls initial = InitialEditorControls();
    EXPECT_EQ(initial, Controls(true, 1999, std::nullopt, false, 1, 1, 1, 2, ""));

    struct Case {
        const char* line;
        const char* error;
        EntryControls shown;
    };
    const Case cases[] = {
        {"1,x,A", "'x' は整数ではありません", Controls(false, 2006, 0, false, 1, 1, 1, 2, "")},
        {"y,1,A", "'y' は整数ではありません", Controls(false, 2006, 0, false, 1, 1, 1, 2, "")},
        {"2006,2,5,2,Sun,A", "'Sun' は整数ではありません", Controls(true, 2006, 2, true, 5, 23, 2, 2, "")},
        {"二〇〇六,0,1,1,A", "'二〇〇六' は整数ではありません", initial},
        {"2006,0,1,99999999999,A", "'99999999999' は整数ではありません",
         Controls(true, 2006, 0, false, 1, 1, 1, 2, "")},
    };
    for (const Case& c : cases) {
        const EditorFilling filling = FillEditorControls(c.line, kCalendarDate);
        EXPECT_EQ(filling.error, c.error) << c.line;
        EXPECT_EQ(filling.controls, c.shown) << c.line;
    }
}

TEST(EntryEditor, ALineOfAnotherShapeIsShownWholeAsTheContent) {
    for (const char* line : {"", "12,25", "2006,0,1,1,1,a,b", "メモ"}) {
        const EditorFilling filling = FillEditorControls(line, kCalendarDate);
        EXPECT_EQ(filling.controls, Controls(false, 2006, std::nullopt, false, 12, 23, 4, 7, line)) << line;
        EXPECT_EQ(filling.error, std::nullopt);
        // OK refuses it until the commas are gone.
        EXPECT_EQ(EditorLine(filling.controls).has_value(), std::string(line).find(',') == std::string::npos &&
                                                                 *line != '\0');
    }
}

TEST(EntryEditor, OkRecomposesTheLineAndRefusesAnEmptyContentOrAComma) {
    // Unchanged, a line comes back as it was.
    for (const char* line : {"2000,2,1,2,2,成人の日", "11,3,文化の日", "5,2,1,母の日", "1999,1,1,15,成人の日"}) {
        EXPECT_EQ(EditorLine(FillEditorControls(line, kCalendarDate).controls), line);
    }
    // Checking the year box of a line without one gives it the calendar's year, "のみ".
    EntryControls c = FillEditorControls("11,3,文化の日", kCalendarDate).controls;
    c.yearChecked = true;
    EXPECT_EQ(EditorLine(c), "2006,0,11,3,文化の日");
    // Mode 7 shows as "のみ" and is written as 0; out-of-range numbers as their bound.
    EXPECT_EQ(EditorLine(FillEditorControls("2006,7,3,21,X", kCalendarDate).controls), "2006,0,3,21,X");
    EXPECT_EQ(EditorLine(FillEditorControls("1850,0,13,40,X", kCalendarDate).controls), "1900,0,12,31,X");

    c.content = "";
    EXPECT_EQ(EditorLine(c), std::nullopt);
    c.content = "a,b";
    EXPECT_EQ(EditorLine(c), std::nullopt);
}

TEST(EntryEditor, TheEditedLineTakesThePlaceOfTheLineItWasFilledFrom) {
    ListBoxState list({"a", "b", "c", "d", "e", "f", "g"});
    // Several lines selected, the focus on one of them: that one is edited.
    list.selected = {false, true, false, true, false, false, false};
    list.focus = 3;
    EXPECT_TRUE(ReplaceFocusedLine(list, "D", kListRows));
    EXPECT_EQ(list.lines, (std::vector<std::string>{"a", "b", "c", "D", "e", "f", "g"}));
    EXPECT_EQ(list.selected, (std::vector<bool>{false, false, false, true, false, false, false}));
    EXPECT_EQ(list.focus, 3);

    // A line out of view is brought into it.
    list.focus = 6;
    list.top = 0;
    EXPECT_TRUE(ReplaceFocusedLine(list, "G", kListRows));
    EXPECT_EQ(list.top, 2);

    // With no line, there is nothing to edit.
    ListBoxState empty;
    EXPECT_FALSE(ReplaceFocusedLine(empty, "x", kListRows));
    EXPECT_TRUE(empty.lines.empty());
}

}  // namespace
}  // namespace zenka
