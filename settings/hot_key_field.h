// The field that takes the calendar's show/hide key: what it keeps of a
// key the user presses.
#pragma once

#include "common/shortcut_text.h"

namespace zenka {

// A key pressed without Ctrl or Alt is taken with Ctrl+Shift: a global key
// on a plain or shifted key would take that character away from typing in
// every program. A key the settings cannot write down, and so could not
// keep for the next start, is refused: the field keeps its previous key.
// Modifiers alone, or no key at all, leave the field empty.
Shortcut TypedHotKey(const Shortcut& typed, const Shortcut& previous);

}  // namespace zenka
