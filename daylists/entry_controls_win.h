// The entry controls on a window, a day-list page or the editor, both of
// which use the identifiers of daylists/day_list_ids.h.
#pragma once

#include <windows.h>

#include <cstdint>

#include "daylists/entry_controls.h"

namespace zenka {

// Fills the year mode and weekday boxes and gives the number boxes their
// ranges and arrows.
void SetUpEntryControls(HWND parent);

// Shows the values; a year mode not picked shows as defaultYearMode. The
// controls are enabled as the year box and the form say.
void ShowEntryControls(HWND parent, const EntryControls& controls, int32_t defaultYearMode);
EntryControls ReadEntryControls(HWND parent);

// The year box or a form option was clicked: enables the controls anew.
bool IsEntryEnablingControl(int id);
void RefreshEntryEnabling(HWND parent);

// The calendar's date into the year, month, day, week number and weekday
// boxes only.
void PresetEntryControls(HWND parent, const CivilDate& date);

}  // namespace zenka
