// The notice of the very first start on Windows 11. Its notification area
// puts the icons of a program it has not seen before into the overflow
// behind the "^" button, so a new user would see no date in the taskbar;
// the notice tells how to keep the icons there, once.
#pragma once

#include <cstdint>

#include "common/key_store.h"

namespace zenka {

// Windows 11's first build; earlier systems show new icons.
inline constexpr uint32_t kFirstBuildHidingNewTrayIcons = 22000;

extern const char* const kTaskbarNoticeText;

// Whether this start shows the notice: the system hides new icons (by its
// real build number) and the settings hold nothing yet, for no earlier run
// has saved them, nor shown the notice. Read before anything of this run
// is written.
bool TaskbarNoticeDue(KeyStore& keys, uint32_t realBuild);

// Notes at once that the notice has been shown.
void RememberTaskbarNoticeShown(KeyStore& keys);

}  // namespace zenka
