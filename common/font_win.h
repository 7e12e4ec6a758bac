// Real fonts for the core's font descriptions.
#pragma once

#include <windows.h>

#include "common/font.h"

namespace zenka {

// The caller owns the font (DeleteObject). The character set goes with the
// face: a Japanese font whose face the system lacks gets the system's own
// Japanese face instead, so Japanese text never turns into empty boxes.
HFONT CreateFontFor(const FontDescription& font);

}  // namespace zenka
