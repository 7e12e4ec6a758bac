// The two kinds of picture the generator works with: coverage (how much of
// each pixel the ink or its halo covers) and the finished colour image.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zenka::icongen {

// Row 0 is the top row. Values run from 0 (empty) to 1 (fully covered).
struct Coverage {
    Coverage() = default;
    Coverage(int w, int h) : width(w), height(h), values(static_cast<size_t>(w) * static_cast<size_t>(h), 0.0f) {}

    float At(int x, int y) const { return values[Index(x, y)]; }
    float& At(int x, int y) { return values[Index(x, y)]; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }

    int width = 0;
    int height = 0;
    std::vector<float> values;

private:
    size_t Index(int x, int y) const { return static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x); }
};

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Straight (not premultiplied) alpha, as icon files keep it.
struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 0;
    friend bool operator==(const Rgba&, const Rgba&) = default;
};

// Row 0 is the top row.
struct Image {
    Image() = default;
    Image(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w) * static_cast<size_t>(h)) {}

    const Rgba& At(int x, int y) const { return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)]; }
    Rgba& At(int x, int y) { return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)]; }

    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels;
};

}  // namespace zenka::icongen
