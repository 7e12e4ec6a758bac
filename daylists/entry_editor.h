// The entry editor "内容の修正": one line of a list split into the entry
// controls, and the line they compose put back in its place.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calendar/julius.h"
#include "daylists/day_list_box.h"
#include "daylists/entry_controls.h"

namespace zenka {

// The editor's controls as it opens: year box checked, 1999, "のみ", the
// date form at 1 January, the week form at the first Monday of January.
EntryControls InitialEditorControls();

struct EditorFilling {
    EntryControls controls;
    // "'<text>' は整数ではありません" when a number field is not a number:
    // the filling stopped there, and the controls from that field on keep
    // their initial states.
    std::optional<std::string> error;
};

// Fills the controls from a line by its number of fields, taking what the
// line lacks from the calendar's date:
//   3 fields  month, day, content                       date form, no year
//   4 fields  month, week, weekday, content             week form, no year
//   5 fields  year, mode, month, day, content           date form, year
//   6 fields  year, mode, month, week, weekday, content week form, year
// The mode 0, 1 or 2 picks its item and any other picks "のみ"; numbers
// outside a box's range show as the nearest bound. A line of any other
// number of fields is shown whole as the content, over the calendar's
// date in the date form without a year, for the user to mend.
EditorFilling FillEditorControls(std::string_view line, const CivilDate& calendarDate);

// What OK does with the controls: composes the line (default mode "のみ")
// and, when its content is there and holds no comma, puts it in place of
// the focused line, the line the editor was filled from. Nothing when the
// content is empty or has a comma (the editor then shows
// kEditorContentMessage and stays open).
std::optional<std::string> EditorLine(const EntryControls& controls);

}  // namespace zenka
