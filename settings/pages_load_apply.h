// Opening and applying the settings dialog: the working copy taken from
// the main window, and what an apply does to the main window, step by step
// in the order the main window sees it.
#pragma once

#include <string>

#include "daylists/day_list_storage.h"
#include "settings/pages_binding.h"
#include "settings/pages_host.h"

namespace zenka {

// The working copy when the dialog opens: the main window's settings with
// the calendar's colours and equinox switch, alarm slot 1 shown.
PagesValues LoadPagesValues(PagesHost& host);

// What an apply tells the dialog on its way.
class ApplyFeedback {
public:
    virtual ~ApplyFeedback() = default;
    // A plain message box with the text, closed before the apply goes on.
    virtual void ShowMessage(const std::string& text) = 0;
    // Nothing is left to apply: the apply button is disabled.
    virtual void DisableApply() = 0;
};

// Takes the settings the dialog binds, its whole alarm table, its equinox
// switch and the lists of its day-list tabs into the main window; the
// settings the dialog does not show stay as the main window has them.
void ApplyPagesValues(const PagesValues& edited, const DayLists& lists, PagesHost& host, ApplyFeedback& feedback);

}  // namespace zenka
