// Renders a stroke glyph into a coverage map with smoothed edges.
#pragma once

#include "tools/icongen/bitmap.h"
#include "tools/icongen/stroke_glyphs.h"

namespace zenka::icongen {

// Where a glyph goes: its box in whole pixels and the pen width.
struct GlyphBox {
    int x = 0, y = 0, width = 0, height = 0;
    double pen = 1.0;
};

// Adds the glyph to the canvas (each pixel keeps the larger coverage).
// grow widens every stroke by that many pixels on each side, which draws
// the glyph's halo from the same description. The stroke centres snap to
// the pixel grid (to pixel edges for an even pen, to pixel centres for an
// odd one), so upright and level strokes cover whole pixels.
void DrawStrokeGlyph(const StrokeGlyph& glyph, const GlyphBox& box, double grow, Coverage& canvas);

}  // namespace zenka::icongen
