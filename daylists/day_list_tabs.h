// The three day-list tabs as the settings dialog holds them: each tab's
// working copy of its list and its entry controls, adding the entry the
// controls compose, and the entries left typed but not added at OK.
#pragma once

#include <array>
#include <string>

#include "calendar/day_list.h"
#include "calendar/julius.h"
#include "daylists/day_list_box.h"
#include "daylists/day_list_storage.h"
#include "daylists/entry_controls.h"

namespace zenka {

struct DayListTab {
    DayListKind kind;
    ListBoxState list;
    EntryControls entry;

    explicit DayListTab(DayListKind kind) : kind(kind), entry(InitialEntryControls(kind)) {}
};

// The tabs in the dialog's order: "予定日", "特別日", "休日".
struct DayListTabs {
    DayListTab yotei{DayListKind::Yotei};
    DayListTab special{DayListKind::Special};
    DayListTab holiday{DayListKind::Holiday};
    bool autoEquinox = true;

    DayListTab& Tab(DayListKind kind);
    const DayListTab& Tab(DayListKind kind) const;
    DayLists Lists() const;
};

// The dialog opening: copies of the calendar's lists with no line
// selected, the equinox item as the calendar has it, and the entry
// controls preset from the calendar's date.
void LoadDayListTabs(DayListTabs& tabs, const DayLists& lists, bool autoEquinox, const CivilDate& date);

// The calendar's date into the entry controls of all three tabs.
void PresetEntryControls(DayListTabs& tabs, const CivilDate& date);

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

// Whether any tab's content box holds an entry not yet added.
bool HasPendingEntries(const DayListTabs& tabs);

// The order in which OK adds the pending entries: special days, holidays,
// scheduled days.
inline constexpr std::array<DayListKind, 3> kPendingEntryOrder = {DayListKind::Special, DayListKind::Holiday,
                                                                   DayListKind::Yotei};

}  // namespace zenka
