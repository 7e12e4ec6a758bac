// Opening and applying the settings dialog: the main window's settings and
// calendar into the dialog's values, and those values back, step by step
// in the order the main window sees them change.
#pragma once

#include <string>

#include "settings/pages_host.h"
#include "settings/pages_state.h"

namespace zenka {

// The dialog's values when it opens: the alarm table copied, slot 1 shown,
// every control loaded from the main window.
PagesState LoadPagesState(PagesHost& host);

// What an apply tells the dialog on its way.
class ApplyFeedback {
public:
    virtual ~ApplyFeedback() = default;
    // A plain message box with the text, closed before the apply goes on.
    virtual void ShowMessage(const std::string& text) = 0;
    // Nothing is left to apply: the apply button is disabled.
    virtual void DisableApply() = 0;
};

// Writes the dialog's values into the main window. The alarm controls are
// stored into the current slot first, so the state keeps them.
void ApplyPagesState(PagesState& state, PagesHost& host, ApplyFeedback& feedback);

}  // namespace zenka
