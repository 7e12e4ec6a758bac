// Outline-free descriptions of the digits and weekday characters for the
// larger icon sizes: each glyph is a few pen strokes along centre lines.
// Coordinates are fractions of the glyph's centre-line box: (0, 0) is the
// centre of the top-left stroke, (1, 1) that of the bottom-right one, so a
// stroke at 0 or 1 just touches the edge of the glyph's box whatever the pen.
#pragma once

#include <vector>

namespace zenka::icongen {

// How an open end of a stroke is finished: square ends keep upright and
// level strokes crisp; round ends suit slanted and curved ones.
enum class Cap { Square, Round };

// One piece of a stroke. A line runs from the end of the previous piece to
// (x1, y1); the first piece of a stroke only gives the starting point. An
// arc follows the ellipse inside the box (x0, y0)-(x1, y1) from angle a0 to
// a1 in degrees, 0 pointing right and 90 down; it is joined to the previous
// piece by a straight line.
struct StrokePiece {
    enum class Kind { Line, Arc } kind = Kind::Line;
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    double a0 = 0, a1 = 0;
};

struct Stroke {
    Cap cap = Cap::Square;
    std::vector<StrokePiece> pieces;
};

struct StrokeGlyph {
    // Width of the glyph's box relative to a full digit; 1 for all but the
    // narrower "1".
    double relativeWidth = 1.0;
    std::vector<Stroke> strokes;
};

const StrokeGlyph& StrokeDigit(int digit);

// 日月火水木金土 for 1 (Sunday) to 7; their boxes are square.
const StrokeGlyph& StrokeWeekday(int weekday);

}  // namespace zenka::icongen
