// Real fonts for the core's font descriptions.
#pragma once

#include <windows.h>

#include <string_view>

#include "common/font.h"

namespace zenka {

// The caller owns the font (DeleteObject). A Japanese font whose face is
// missing, or cannot show Japanese, gets the first Japanese face the system
// has instead, so the calendar's texts never turn into empty boxes.
HFONT CreateFontFor(const FontDescription& font);

// Whether the font selected into dc has a glyph of its own for every
// character of text.
bool FontHasGlyphs(HDC dc, std::wstring_view text);

}  // namespace zenka
