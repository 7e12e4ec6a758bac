#include "tools/icongen/stroke_glyphs.h"

#include <array>
#include <initializer_list>
#include <stdexcept>
#include <string>

namespace zenka::icongen {
namespace {

StrokePiece P(double x, double y) { return {StrokePiece::Kind::Line, 0, 0, x, y, 0, 0}; }

StrokePiece Arc(double x0, double y0, double x1, double y1, double a0, double a1) {
    return {StrokePiece::Kind::Arc, x0, y0, x1, y1, a0, a1};
}

Stroke Sq(std::initializer_list<StrokePiece> pieces) { return {Cap::Square, pieces}; }
Stroke Rd(std::initializer_list<StrokePiece> pieces) { return {Cap::Round, pieces}; }

// Digit boxes are about 0.37 as wide as high (centre lines), so an arc box
// 0.37 high is a circle.
std::array<StrokeGlyph, 10> MakeDigits() {
    return {{
        {1.0, {Rd({Arc(0, 0, 1, 0.4, 180, 360), P(1, 0.8), Arc(0, 0.6, 1, 1, 0, 180), P(0, 0.2)})}},
        {0.62, {Sq({P(1, 0), P(1, 1)}), Rd({P(1, 0), P(0, 0.24)})}},
        {1.0, {Rd({Arc(0, 0, 1, 0.4, 195, 380), P(0, 1)}), Sq({P(0, 1), P(1, 1)})}},
        {1.0,
         {Rd({Arc(0.04, 0, 0.96, 0.46, 200, 450)}), Sq({P(0.32, 0.46), P(0.5, 0.46)}),
          Rd({Arc(0, 0.46, 1, 1, 270, 520)})}},
        {1.0, {Sq({P(0.74, 1), P(0.74, 0)}), Rd({P(0.74, 0), P(0, 0.7)}), Sq({P(0, 0.7), P(1, 0.7)})}},
        {1.0,
         {Sq({P(0.96, 0), P(0.06, 0)}), Sq({P(0.06, 0), P(0.06, 0.44)}),
          Rd({P(0.06, 0.44), Arc(0, 0.36, 1, 1, 228, 515)})}},
        {1.0, {Rd({Arc(0, 0.4, 1, 1, 0, 360)}), Rd({Arc(0, 0, 2, 1.4, 262, 180)})}},
        {1.0, {Sq({P(0, 0), P(1, 0)}), Rd({P(1, 0), P(0.32, 1)})}},
        {1.0, {Rd({Arc(0.06, 0, 0.94, 0.44, 0, 360)}), Rd({Arc(0, 0.44, 1, 1, 0, 360)})}},
        {1.0, {Rd({Arc(0, 0, 1, 0.6, 0, 360)}), Rd({Arc(-1, -0.4, 1, 1, 0, 82)})}},
    }};
}

std::array<StrokeGlyph, 7> MakeWeekdays() {
    return {{
        // 日
        {1.0,
         {Sq({P(0.12, 0), P(0.12, 1)}), Sq({P(0.88, 0), P(0.88, 1)}), Sq({P(0.12, 0), P(0.88, 0)}),
          Sq({P(0.12, 0.5), P(0.88, 0.5)}), Sq({P(0.12, 1), P(0.88, 1)})}},
        // 月
        {1.0,
         {Sq({P(0.2, 0), P(0.2, 0.62)}), Rd({P(0.2, 0.62), P(0.15, 0.84), P(0.02, 1)}),
          Sq({P(0.88, 0), P(0.88, 0.5)}), Rd({P(0.88, 0.5), P(0.88, 1), P(0.72, 0.93)}),
          Sq({P(0.2, 0), P(0.88, 0)}), Sq({P(0.2, 0.33), P(0.88, 0.33)}), Sq({P(0.2, 0.63), P(0.88, 0.63)})}},
        // 火
        {1.0,
         {Sq({P(0.5, 0), P(0.5, 0.45)}), Rd({P(0.5, 0.45), P(0.4, 0.72), P(0.02, 1)}),
          Rd({P(0.52, 0.6), P(1, 1)}), Rd({P(0.12, 0.25), P(0.24, 0.48)}), Rd({P(0.88, 0.22), P(0.74, 0.45)})}},
        // 水
        {1.0,
         {Sq({P(0.5, 0), P(0.5, 0.5)}), Rd({P(0.5, 0.5), P(0.5, 1), P(0.37, 0.93)}),
          Sq({P(0.04, 0.3), P(0.36, 0.3)}), Rd({P(0.36, 0.3), P(0.02, 0.86)}),
          Rd({P(0.88, 0.18), P(0.56, 0.45)}), Rd({P(0.56, 0.45), P(1, 0.95)})}},
        // 木
        {1.0,
         {Sq({P(0, 0.28), P(1, 0.28)}), Sq({P(0.5, 0), P(0.5, 1)}), Rd({P(0.5, 0.3), P(0.02, 0.84)}),
          Rd({P(0.5, 0.3), P(1, 0.84)})}},
        // 金
        {1.0,
         {Rd({P(0.5, 0), P(0, 0.42)}), Rd({P(0.5, 0), P(1, 0.42)}), Sq({P(0.26, 0.44), P(0.74, 0.44)}),
          Sq({P(0.1, 0.66), P(0.9, 0.66)}), Sq({P(0.5, 0.44), P(0.5, 1)}), Rd({P(0.22, 0.76), P(0.3, 0.9)}),
          Rd({P(0.78, 0.76), P(0.7, 0.9)}), Sq({P(0, 1), P(1, 1)})}},
        // 土
        {1.0, {Sq({P(0.5, 0), P(0.5, 1)}), Sq({P(0.12, 0.42), P(0.88, 0.42)}), Sq({P(0, 1), P(1, 1)})}},
    }};
}

}  // namespace

const StrokeGlyph& StrokeDigit(int digit) {
    static const std::array<StrokeGlyph, 10> digits = MakeDigits();
    if (digit < 0 || digit > 9) throw std::out_of_range("no stroke glyph for digit " + std::to_string(digit));
    return digits[static_cast<size_t>(digit)];
}

const StrokeGlyph& StrokeWeekday(int weekday) {
    static const std::array<StrokeGlyph, 7> weekdays = MakeWeekdays();
    if (weekday < 1 || weekday > 7) throw std::out_of_range("no stroke glyph for weekday " + std::to_string(weekday));
    return weekdays[static_cast<size_t>(weekday - 1)];
}

}  // namespace zenka::icongen
