#include "daylists/day_list_box.h"

#include <algorithm>

#include "calendar/day_rule.h"

namespace zenka {
namespace {

constexpr int kDropBandHeight = 2;

int LineCount(const ListBoxState& list) { return static_cast<int>(list.lines.size()); }

void ClampTop(ListBoxState& list, int visibleRows) {
    list.top = std::clamp(list.top, 0, std::max(0, LineCount(list) - visibleRows));
}

void ScrollIntoView(ListBoxState& list, int index, int visibleRows) {
    if (index < list.top) list.top = index;
    if (index > list.top + visibleRows - 1) list.top = index - visibleRows + 1;
    ClampTop(list, visibleRows);
}

bool HasFocusedLine(const ListBoxState& list) { return list.focus >= 0 && list.focus < LineCount(list); }

void MoveLine(ListBoxState& list, int from, int to) {
    std::string line = std::move(list.lines[from]);
    const bool selected = list.selected[from];
    list.lines.erase(list.lines.begin() + from);
    list.selected.erase(list.selected.begin() + from);
    list.lines.insert(list.lines.begin() + to, std::move(line));
    list.selected.insert(list.selected.begin() + to, selected);
}

// A line the calendar reads without an error for every date: three to six
// fields, each number a whole number.
bool WellFormed(const DayRule& rule) { return rule.Month().present && !rule.FirstBadField(); }

}  // namespace

ListBoxState::ListBoxState(std::vector<std::string> lines) { Reset(std::move(lines)); }

void ListBoxState::Reset(std::vector<std::string> newLines) {
    lines = std::move(newLines);
    selected.assign(lines.size(), false);
    focus = -1;
    top = 0;
}

size_t ListBoxState::SelectedCount() const { return static_cast<size_t>(std::count(selected.begin(), selected.end(), true)); }

void InsertNewLine(ListBoxState& list, std::string line, int visibleRows) {
    int index;
    if (list.SelectedCount() == 1) {
        const int after = static_cast<int>(std::find(list.selected.begin(), list.selected.end(), true) - list.selected.begin());
        list.selected[after] = false;
        index = after + 1;
    } else {
        index = LineCount(list);
    }
    list.lines.insert(list.lines.begin() + index, std::move(line));
    list.selected.insert(list.selected.begin() + index, true);
    list.focus = index;
    ScrollIntoView(list, index, visibleRows);
}

bool DeleteSelectedLines(ListBoxState& list) {
    const auto first = std::find(list.selected.begin(), list.selected.end(), true);
    if (first == list.selected.end()) return false;
    const int firstRemoved = static_cast<int>(first - list.selected.begin());
    for (int i = LineCount(list) - 1; i >= firstRemoved; --i) {
        if (!list.selected[i]) continue;
        list.lines.erase(list.lines.begin() + i);
        list.selected.erase(list.selected.begin() + i);
    }
    list.focus = std::min(firstRemoved, LineCount(list) - 1);
    if (list.focus >= 0) list.selected[list.focus] = true;
    ClampTop(list, 1);  // the window knows how many rows fill it
    return true;
}

bool MoveFocusedLineUp(ListBoxState& list) {
    if (!HasFocusedLine(list) || list.focus == 0) return false;
    MoveLine(list, list.focus, list.focus - 1);
    --list.focus;
    list.selected[list.focus] = false;
    return true;
}

bool MoveFocusedLineDown(ListBoxState& list) {
    if (!HasFocusedLine(list) || list.focus == LineCount(list) - 1) return false;
    MoveLine(list, list.focus, list.focus + 1);
    ++list.focus;
    list.selected[list.focus] = false;
    return true;
}

bool ReplaceFocusedLine(ListBoxState& list, std::string line, int visibleRows) {
    if (!HasFocusedLine(list)) return false;
    list.lines[list.focus] = std::move(line);
    list.selected.assign(list.lines.size(), false);
    list.selected[list.focus] = true;
    ScrollIntoView(list, list.focus, visibleRows);
    return true;
}

void SelectLinesOfDate(ListBoxState& list, int32_t year, uint8_t month, uint8_t day, int visibleRows) {
    for (size_t i = 0; i < list.lines.size(); ++i) {
        const DayRule rule(list.lines[i]);
        if (WellFormed(rule)) list.selected[i] = rule.Matches(year, month, day);
    }
    const auto first = std::find(list.selected.begin(), list.selected.end(), true);
    if (first == list.selected.end()) return;
    for (int row = list.top; row < list.top + visibleRows && row < LineCount(list); ++row) {
        if (list.selected[row]) return;
    }
    ScrollIntoView(list, static_cast<int>(first - list.selected.begin()), visibleRows);
}

int DropTargetRow(int rowUnderPointer, size_t lineCount) {
    const int count = static_cast<int>(lineCount);
    if (rowUnderPointer < 0 || rowUnderPointer >= count) return count - 1;
    return rowUnderPointer;
}

Rect DropBand(const Rect& row, int targetRow, int focusedRow) {
    Rect band = row;
    if (targetRow < focusedRow) {
        band.bottom = row.top + kDropBandHeight;
    } else {
        band.top = row.bottom - kDropBandHeight;
    }
    return band;
}

DropMarkerStep MoveDropMarker(const DropMarker& marker, int targetRow, const Rect& targetRowRect, int focusedRow) {
    DropMarkerStep step;
    step.next = marker;
    if (targetRow == marker.row) return step;
    if (marker.row != -1) {
        step.eraseOld = true;
        step.next = DropMarker{};
    }
    if (targetRow < 0) return step;
    step.drawNew = true;
    step.next = {targetRow, DropBand(targetRowRect, targetRow, focusedRow)};
    return step;
}

bool DropFocusedLine(ListBoxState& list, int targetRow) {
    if (list.SelectedCount() != 1 || !HasFocusedLine(list) || targetRow < 0 || targetRow >= LineCount(list)) {
        return false;
    }
    const int from = list.focus;
    MoveLine(list, from, targetRow);
    list.focus = targetRow;
    list.selected[targetRow] = true;
    return from != targetRow;
}

ListMenuEnabling ListMenuEnablingOf(DayListKind tab, const ListBoxState& list) {
    const bool one = list.SelectedCount() == 1;
    ListMenuEnabling menu;
    menu.edit = menu.moveUp = menu.moveDown = menu.deleteSelected = one;
    menu.deleteAll = !list.lines.empty();
    menu.importShown = tab == DayListKind::Yotei;
    return menu;
}

}  // namespace zenka
