// Where the calendar window goes when it is shown or the screen changes:
// the position kept for the screen's resolution, pulled back inside the
// work area (the screen without the taskbar).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/app_settings.h"
#include "common/settings_store.h"

namespace zenka {

struct WindowSize {
    int32_t width = 0;
    int32_t height = 0;
};

// Keeps the window's right and bottom edges inside a work area of the given
// size, then its left and top edges at 0 or more. The work area's own
// offset is not used, so a taskbar at the top or left does not push the
// window away from the screen's corner.
WindowPosition ClampIntoWorkArea(WindowPosition position, WindowSize window, WindowSize workArea);

// The position routine. Writes the window's current position for the
// resolution in use so far, makes the new resolution the one in use, and
// answers the position kept for it (0,0 when none), clamped. With the
// resolution unchanged this writes the position and reads it back. Without
// a current position (the start-up never loaded the window's) nothing is
// written.
WindowPosition RepositionForResolution(SettingsStore& store, std::string& tagInUse,
                                       const std::optional<WindowPosition>& current, std::string_view newTag,
                                       WindowSize window, WindowSize workArea);

}  // namespace zenka
