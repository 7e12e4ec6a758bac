#include "tools/icongen/icon_art.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "tools/icongen/pixel_glyphs.h"
#include "tools/icongen/stroke_glyphs.h"

namespace zenka::icongen {
namespace {

// How the glyphs are set at one size: the digits' box, the space between
// two digits, the weekday character's square, pen widths and the halo's
// reach beyond the ink.
struct SizeStyle {
    int size;
    int digitWidth;
    int digitHeight;
    int gap;
    double digitPen;
    int weekdaySize;
    double weekdayPen;
    double halo;
};

// Digit widths leave two digits and their gap just inside the icon; pens
// are whole pixels so that upright strokes stay sharp.
constexpr SizeStyle kStyles[] = {
    {16, 7, 14, 1, 2, 14, 1, 1},
    {20, 8, 18, 2, 2, 18, 2, 1},
    {24, 10, 22, 2, 3, 22, 2, 1},
    {32, 13, 28, 2, 4, 28, 3, 1.5},
    {48, 19, 42, 4, 6, 42, 5, 2},
};

// The halo contrasts with the ink: white around dark ink, black around
// light ink (green). At this opacity it lets black digits be read on a dark
// taskbar and green ones on a light taskbar, and barely shows otherwise.
constexpr double kHaloOpacity = 0.6;

Rgb HaloColour(Rgb ink) {
    const double luminance = 0.2126 * ink.r + 0.7152 * ink.g + 0.0722 * ink.b;
    return luminance < 128 ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
}

const SizeStyle& StyleOf(int size) {
    for (const SizeStyle& style : kStyles) {
        if (style.size == size) return style;
    }
    throw std::invalid_argument("no icon style for size " + std::to_string(size));
}

void CheckSubject(const IconSubject& subject) {
    const bool number = subject.kind == IconSubject::Kind::Number;
    const int last = number ? 31 : 7;
    if (subject.value < 1 || subject.value > last) {
        throw std::invalid_argument(std::string(number ? "no icon for number " : "no icon for weekday ") +
                                    std::to_string(subject.value));
    }
}

int DigitWidth(const SizeStyle& style, int digit) {
    if (IsPixelSize(style.size)) return PixelDigit(digit).width;
    return static_cast<int>(std::lround(style.digitWidth * StrokeDigit(digit).relativeWidth));
}

// The 16-pixel halo: the ink grown by one pixel in all eight directions.
Coverage GrowByOnePixel(const Coverage& ink) {
    Coverage halo(ink.width, ink.height);
    for (int y = 0; y < ink.height; ++y) {
        for (int x = 0; x < ink.width; ++x) {
            float most = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    if (ink.Contains(x + dx, y + dy)) most = std::max(most, ink.At(x + dx, y + dy));
                }
            }
            halo.At(x, y) = most;
        }
    }
    return halo;
}

uint8_t ToByte(double value) { return static_cast<uint8_t>(std::clamp(std::lround(value * 255.0), 0L, 255L)); }

}  // namespace

const std::vector<int>& IconSizes() {
    static const std::vector<int> sizes = [] {
        std::vector<int> result;
        for (const SizeStyle& style : kStyles) result.push_back(style.size);
        return result;
    }();
    return sizes;
}

bool IsPixelSize(int size) { return size == 16; }

std::vector<GlyphPlacement> LayOut(const IconSubject& subject, int size) {
    CheckSubject(subject);
    const SizeStyle& style = StyleOf(size);
    std::vector<GlyphPlacement> glyphs;
    if (subject.kind == IconSubject::Kind::Weekday) {
        const int corner = (size - style.weekdaySize) / 2;
        glyphs.push_back({true, subject.value, {corner, corner, style.weekdaySize, style.weekdaySize, style.weekdayPen}});
        return glyphs;
    }
    std::vector<int> digits;
    if (subject.value >= 10) digits.push_back(subject.value / 10);
    digits.push_back(subject.value % 10);
    int total = style.gap * (static_cast<int>(digits.size()) - 1);
    for (int digit : digits) total += DigitWidth(style, digit);
    int x = (size - total) / 2;
    const int y = (size - style.digitHeight) / 2;
    for (int digit : digits) {
        const int width = DigitWidth(style, digit);
        glyphs.push_back({false, digit, {x, y, width, style.digitHeight, style.digitPen}});
        x += width + style.gap;
    }
    return glyphs;
}

IconInk DrawIconInk(const IconSubject& subject, int size) {
    const SizeStyle& style = StyleOf(size);
    IconInk result{Coverage(size, size), Coverage(size, size)};
    for (const GlyphPlacement& glyph : LayOut(subject, size)) {
        if (IsPixelSize(size)) {
            const Coverage& picture = glyph.weekday ? PixelWeekday(glyph.value) : PixelDigit(glyph.value);
            for (int y = 0; y < picture.height; ++y) {
                for (int x = 0; x < picture.width; ++x) {
                    result.ink.At(glyph.box.x + x, glyph.box.y + y) = picture.At(x, y);
                }
            }
        } else {
            const StrokeGlyph& strokes = glyph.weekday ? StrokeWeekday(glyph.value) : StrokeDigit(glyph.value);
            DrawStrokeGlyph(strokes, glyph.box, 0, result.ink);
            DrawStrokeGlyph(strokes, glyph.box, style.halo, result.halo);
        }
    }
    if (IsPixelSize(size)) result.halo = GrowByOnePixel(result.ink);
    return result;
}

Image PaintIcon(const IconInk& ink, Rgb colour) {
    Image image(ink.ink.width, ink.ink.height);
    const Rgb halo = HaloColour(colour);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const double a = ink.ink.At(x, y);
            const double h = ink.halo.At(x, y) * kHaloOpacity * (1 - a);
            const double alpha = a + h;
            if (alpha <= 0) continue;
            Rgba& pixel = image.At(x, y);
            pixel.r = ToByte((colour.r * a + halo.r * h) / 255.0 / alpha);
            pixel.g = ToByte((colour.g * a + halo.g * h) / 255.0 / alpha);
            pixel.b = ToByte((colour.b * a + halo.b * h) / 255.0 / alpha);
            // Rounding must not make a partly covered pixel opaque.
            pixel.a = a >= 1 ? 255 : std::min<uint8_t>(ToByte(alpha), 254);
            if (pixel.a == 0) pixel = Rgba{};
        }
    }
    return image;
}

}  // namespace zenka::icongen
