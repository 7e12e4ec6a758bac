#include "tools/icongen/app_icon.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace zenka::icongen {
namespace {

constexpr Rgba kOutline{64, 64, 64, 255};
constexpr Rgba kPaper{255, 255, 255, 255};
constexpr Rgba kTop{208, 48, 48, 255};
constexpr Rgba kDot{96, 96, 96, 255};
constexpr Rgba kToday{208, 48, 48, 255};

// A rectangle in pixels, right and bottom exclusive.
struct Box {
    double left, top, right, bottom;
};

// How much of the pixel at x, y a rounded rectangle covers, from a grid of
// samples inside the pixel.
double Coverage(const Box& box, double radius, int x, int y) {
    constexpr int kSamples = 4;
    int inside = 0;
    for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
            const double px = x + (sx + 0.5) / kSamples;
            const double py = y + (sy + 0.5) / kSamples;
            if (px < box.left || px >= box.right || py < box.top || py >= box.bottom) continue;
            // Distance into the corner's square, from the corner circle's centre.
            const double dx = std::max({box.left + radius - px, px - (box.right - radius), 0.0});
            const double dy = std::max({box.top + radius - py, py - (box.bottom - radius), 0.0});
            if (dx * dx + dy * dy <= radius * radius) ++inside;
        }
    }
    return static_cast<double>(inside) / (kSamples * kSamples);
}

// Paints the colour over the image where the rectangle covers it.
void Fill(Image& image, const Box& box, double radius, Rgba colour) {
    const int x0 = std::max(0, static_cast<int>(std::floor(box.left)));
    const int y0 = std::max(0, static_cast<int>(std::floor(box.top)));
    const int x1 = std::min(image.width, static_cast<int>(std::ceil(box.right)));
    const int y1 = std::min(image.height, static_cast<int>(std::ceil(box.bottom)));
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const double a = Coverage(box, radius, x, y) * colour.a / 255.0;
            if (a <= 0) continue;
            Rgba& p = image.At(x, y);
            const double below = p.a / 255.0 * (1 - a);
            const double total = a + below;
            const auto mix = [&](uint8_t top, uint8_t under) {
                return static_cast<uint8_t>(std::lround((top * a + under * below) / total));
            };
            p = {mix(colour.r, p.r), mix(colour.g, p.g), mix(colour.b, p.b),
                 static_cast<uint8_t>(std::lround(total * 255))};
        }
    }
}

}  // namespace

const std::vector<int>& AppIconSizes() {
    static const std::vector<int> sizes{16, 20, 24, 32, 40, 48, 256};
    return sizes;
}

Image DrawAppIcon(int size) {
    if (size < 16 || size > 256) throw std::invalid_argument("no application icon of size " + std::to_string(size));
    Image image(size, size);
    // The design is a 16 x 16 grid; u is one of its squares.
    const double u = size / 16.0;
    const auto snap = [](double v) { return std::round(v); };
    const double line = std::max(1.0, snap(size / 20.0));
    const double radius = size >= 32 ? u : 0;

    const Box page{snap(u * 1), snap(u * 2), snap(u * 15), snap(u * 15)};
    Fill(image, page, radius, kOutline);
    const Box paper{page.left + line, page.top + line, page.right - line, page.bottom - line};
    Fill(image, paper, std::max(0.0, radius - line), kPaper);
    const Box top{paper.left, paper.top, paper.right, snap(u * 6)};
    Fill(image, top, std::max(0.0, radius - line), kTop);
    // The top's lower corners are square.
    Fill(image, {top.left, top.bottom - std::max(1.0, snap(u)), top.right, top.bottom}, 0, kTop);

    // The rings, from above the page into its top.
    const double ringWidth = std::max(1.0, snap(u * 1.25));
    for (double centre : {u * 4.5, u * 11.5}) {
        const double left = snap(centre - ringWidth / 2);
        Fill(image, {left, 0, left + ringWidth, snap(u * 4)}, size >= 32 ? ringWidth / 2 : 0, kOutline);
    }

    // Three weeks of four days, spread evenly below the top; the second
    // day of the second week is today.
    const double dot = size < 24 ? 1 : std::max(1.0, snap(u * 1.5));
    const double columnPitch = (paper.right - paper.left) / 4;
    const double rowTop = top.bottom + 1;
    const double rowPitch = (paper.bottom - rowTop) / 3;
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 4; ++c) {
            const double left = snap(paper.left + columnPitch * (c + 0.5) - dot / 2);
            const double upper = snap(rowTop + rowPitch * (r + 0.5) - dot / 2);
            Fill(image, {left, upper, left + dot, upper + dot}, 0, r == 1 && c == 1 ? kToday : kDot);
        }
    }
    return image;
}

}  // namespace zenka::icongen
