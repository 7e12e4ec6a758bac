// The calendar window's small flat buttons. They draw their own pictures
// (arrows, a pin, a cross, or their text) scaled to their size, so they are
// sharp at any DPI, and they never take the focus, which stays with the
// calendar and its keys. A click, or BM_CLICK, sends the parent WM_COMMAND
// with BN_CLICKED.
#pragma once

#include <windows.h>

namespace zenka {

extern const wchar_t* const kPanelButtonClass;  // "TPanelButton"

enum class PanelGlyph {
    Text,  // the window text, e.g. "今日"
    PrevYear,
    PrevMonth,
    NextMonth,
    NextYear,
    PinLoose,   // the window keeps the normal order
    PinPushed,  // the window stays on top
    Close,
};

HWND CreatePanelButton(HWND parent, int id, PanelGlyph glyph, const wchar_t* text = L"");

void SetPanelGlyph(HWND button, PanelGlyph glyph);
PanelGlyph PanelGlyphOf(HWND button);

}  // namespace zenka
