// A day-list tab as its commands see it: its working copy of the list and
// its entry controls; adding the entry the controls compose, which
// commands mark the dialog changed, and the order in which OK adds the
// entries left typed.
#pragma once

#include <array>
#include <string>

#include "calendar/day_list.h"
#include "daylists/day_list_box.h"
#include "daylists/entry_controls.h"

namespace zenka {

struct DayListTab {
    DayListKind kind;
    ListBoxState list;
    EntryControls entry;

    explicit DayListTab(DayListKind kind) : kind(kind), entry(InitialEntryControls(kind)) {}
};

enum class AddOutcome {
    Added,           // the list has the new line; the content box is empty
    NothingToAdd,    // the content box is empty: nothing happens
    CommaInContent,  // kCommaInContentText; nothing changes
};

// Composes the line of the tab's controls with the tab's default year mode
// and puts it into its list (see InsertNewLine).
AddOutcome AddEntry(DayListTab& tab, int visibleRows);

// The commands of the tabs, and whether each marks the dialog changed
// (enables its apply button) given whether it changed the list. Editing a
// line, restoring the backup and importing the old layout change the lists
// without it: their changes go with the next OK or apply.
enum class TabCommand {
    AddEntry,
    DeleteSelected,
    DeleteAll,
    MoveUp,
    MoveDown,
    Drop,
    EditLine,
    ResetHolidays,
    ToggleAutoEquinox,
    LoadFile,
    SaveFile,
    ImportOldLayout,
    RestoreBackup,
};
bool EnablesApply(TabCommand command, bool listChanged);

// The order in which OK adds the pending entries: special days, holidays,
// scheduled days.
inline constexpr std::array<DayListKind, 3> kPendingEntryOrder = {DayListKind::Special, DayListKind::Holiday,
                                                                   DayListKind::Yotei};

}  // namespace zenka
