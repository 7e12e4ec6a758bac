// Small flat buttons, of the calendar window and the day-list tabs. They
// draw their own pictures (arrows, a pin, a cross, a plus or minus, a folder,
// a disk, or their text) scaled to their size, so they are sharp at any
// DPI. A click never takes the focus, which stays with the calendar and its
// keys or with the field being typed in; the keyboard reaches them by Tab,
// and Space or Enter presses the focused one. A click, a key or BM_CLICK
// sends the parent WM_COMMAND with BN_CLICKED. Screen readers meet push
// buttons named by the window text, which a picture button keeps for them.
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
    Add,     // a plus: into the list
    Remove,  // a minus: out of the list
    Open,    // a folder: read a file
    Save,    // a disk: write a file
};

// A button in the parent's tab order; text is what a picture button is
// called.
HWND CreatePanelButton(HWND parent, int id, PanelGlyph glyph, const wchar_t* text = L"");

// A button's colours: its face, its text and picture, and the light and
// dark edges it shows raised under the pointer and pressed.
struct PanelColors {
    COLORREF face;
    COLORREF text;
    COLORREF light;
    COLORREF shadow;
};

// The system's button colours, which a button has until given others.
PanelColors SystemPanelColors();
void SetPanelColors(HWND button, const PanelColors& colors);

// Registers the class, so that dialog templates may hold the buttons; they
// show their text until given a picture.
void RegisterPanelButtonClass();

void SetPanelGlyph(HWND button, PanelGlyph glyph);
PanelGlyph PanelGlyphOf(HWND button);

// Draws a picture into the rectangle, as the buttons draw it (for menu
// items that carry the same picture); background fills what the picture
// leaves open inside itself. Not for PanelGlyph::Text.
void DrawPanelGlyph(HDC dc, const RECT& rect, PanelGlyph glyph, COLORREF color, COLORREF background);

}  // namespace zenka
