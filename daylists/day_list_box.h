// A day-list tab's list box without the window: its lines, which of them
// are selected, the focused line and the first visible row; and what each
// command of the tab does to them. The window copies its state in, runs a
// command and copies the state back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "calendar/day_list.h"
#include "common/rect.h"

namespace zenka {

struct ListBoxState {
    std::vector<std::string> lines;
    std::vector<bool> selected;  // one flag a line
    int focus = -1;              // the line with the focus rectangle, -1 for none
    int top = 0;                 // the first visible row

    explicit ListBoxState(std::vector<std::string> lines = {});
    size_t SelectedCount() const;
    // The lines, each selected or not, with no focus, from the top.
    void Reset(std::vector<std::string> lines);
    bool operator==(const ListBoxState&) const = default;
};

// The list box shows at least this many rows; its commands keep a line
// they add in view.
inline constexpr int kListRows = 5;

// Puts a new line in: directly after the only selected line, which it then
// replaces in the selection; otherwise (no line or several selected) at the
// end, selected along with the others. The new line is scrolled into view.
void InsertNewLine(ListBoxState& list, std::string line, int visibleRows);

// Removes every selected line and selects the line now standing where the
// first one was, or the new last line when none stands there. False when no
// line was selected.
bool DeleteSelectedLines(ListBoxState& list);

// Moves the focused line one place; false when it cannot go (the first line
// up, the last down, no line). It is not selected in its new place.
bool MoveFocusedLineUp(ListBoxState& list);
bool MoveFocusedLineDown(ListBoxState& list);

// Replaces the focused line with another, which becomes the only selected
// line; the line keeps its place and the list its length. False when there
// is no focused line.
bool ReplaceFocusedLine(ListBoxState& list, std::string line, int visibleRows);

// Selects the lines whose rule names the date, the way the calendar reads
// them, and unselects the other well-formed lines; a line the calendar
// cannot read keeps its selection. The first selected line is brought into
// view when none of them is.
void SelectLinesOfDate(ListBoxState& list, int32_t year, uint8_t month, uint8_t day, int visibleRows);

// Dragging a line to another place.
// The row a drop lands on: the row under the pointer, or the last row when
// the pointer is below the last line (rowUnderPointer -1). -1 for an empty
// list.
int DropTargetRow(int rowUnderPointer, size_t lineCount);

// The 2-pixel band marking where a dragged line would go: along the target
// row's top edge when that row lies above the focused line, along its bottom
// edge otherwise.
Rect DropBand(const Rect& targetRowRect, int targetRow, int focusedRow);

// The marker drawn while dragging; drawing a band a second time erases it.
struct DropMarker {
    int row = -1;  // -1: none drawn
    Rect band;
    bool operator==(const DropMarker&) const = default;
};
struct DropMarkerStep {
    bool eraseOld = false;  // draw the old band again to take it away
    bool drawNew = false;   // draw next.band
    DropMarker next;
};
DropMarkerStep MoveDropMarker(const DropMarker& marker, int targetRow, const Rect& targetRowRect, int focusedRow);

// Drops: with exactly one line selected, the focused line moves to the
// target row and is selected there. False when nothing moved.
bool DropFocusedLine(ListBoxState& list, int targetRow);

// The context menus' items: which are enabled as the menu opens, and
// whether the old-layout import shows (only on the scheduled-day tab).
struct ListMenuEnabling {
    bool edit = false;
    bool moveUp = false;
    bool moveDown = false;
    bool deleteSelected = false;
    bool deleteAll = false;
    bool importShown = false;
    bool operator==(const ListMenuEnabling&) const = default;
};
ListMenuEnabling ListMenuEnablingOf(DayListKind tab, const ListBoxState& list);

}  // namespace zenka
