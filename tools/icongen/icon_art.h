// The pictures of the tray icons: a number (the day, or the month) or a
// weekday character, in one colour, at each size an icon file holds.
#pragma once

#include <vector>

#include "tools/icongen/bitmap.h"
#include "tools/icongen/stroke_raster.h"

namespace zenka::icongen {

struct IconSubject {
    enum class Kind { Number, Weekday } kind = Kind::Number;
    int value = 1;  // 1..31 for a number, 1 (Sunday) .. 7 for a weekday
};

// Every size drawn into each file, smallest first. 16 is the tray's size at
// normal resolution; 20, 24 and 32 serve 125 %, 150 % and 200 %; 48 the
// larger views of the file.
const std::vector<int>& IconSizes();

// One glyph of a picture: a digit (0..9) or a weekday (1..7) and its box.
struct GlyphPlacement {
    bool weekday = false;
    int value = 0;
    GlyphBox box;
};

// Where the glyphs of the subject go in an icon of the given size; the
// boxes lie inside the icon.
std::vector<GlyphPlacement> LayOut(const IconSubject& subject, int size);

// True for the sizes drawn from the hand-made pixel pictures rather than
// from strokes.
bool IsPixelSize(int size);

// The ink and, around it, the halo that keeps the ink readable on a
// taskbar of the same darkness.
struct IconInk {
    Coverage ink;
    Coverage halo;
};

IconInk DrawIconInk(const IconSubject& subject, int size);

// Ink in the colour over a partly transparent halo; everything else
// is fully transparent. Only fully covered ink pixels are opaque, so every
// opaque pixel has exactly the colour.
Image PaintIcon(const IconInk& ink, Rgb colour);

}  // namespace zenka::icongen
